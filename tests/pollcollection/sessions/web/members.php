<html>
<head>
<title>Members</title>
</head>
<body>
<?php echo "<p>Members only</p>"; ?>
</body>
</html>
