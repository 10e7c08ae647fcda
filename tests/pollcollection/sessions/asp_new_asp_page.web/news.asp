<html>
<head>
<title>News</title>
<link rel="stylesheet" type="text/css" href="asppollx/pollstyle.css">
</head>
<body>
<p>News of the week: <%= Date() %></p>
<p><!--webbot bot="norvelfpbot" s-class="norvelfp.main" clientside thanks="Thanks for voting" but="Vote" link="Results" av="3" c="30" vw="200" rw="400" qbc="993300" abc="FFEEDD" bc="000000" bs="1" cp="3" dir="asppollx" T="P1" PREVIEW="<span style='text-align:center;border:1px solid black;width:200;height:150;padding:2px'>ASP Poll<br>click to edit<br>asppollx</span>" TAG="p" startspan -->
<!--#include file ="asppollx/vote.asp" -->
<!--webbot bot="norvelfpbot" endspan --></p></body>
</html>
