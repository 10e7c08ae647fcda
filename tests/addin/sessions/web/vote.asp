<html>
<head>
<title>ASP page</title>
</head>
<body>
<p>A page for the add-in's sessions.</p>
</body>
</html>
