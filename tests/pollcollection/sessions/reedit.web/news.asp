<html>
<head>
<title>News</title>
</head>
<body>
<p>News of the week: <%= Date() %></p>
</body>
</html>
