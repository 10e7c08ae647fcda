<?php /* A page of the club written in PHP. */ ?>
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Members</title>
</head>
<body>
<h1>Members</h1>
</body>
</html>
