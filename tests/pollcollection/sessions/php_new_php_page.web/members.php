<html>
<head>
<title>Members</title>
<link rel="stylesheet" type="text/css" href="phppollx/pollstyle.css">
</head>
<body>
<?php echo "<p>Members only</p>"; ?>
<p><!--webbot bot="norvelfpbot" s-class="norvelfp.main" clientside thanks="Thanks for voting" but="Vote" link="Results" av="2" c="30" vw="200" rw="400" qbc="CCCCCC" abc="EEEEEE" bc="000000" bs="1" cp="3" dir="phppollx" T="P2" PREVIEW="<span style='text-align:center;border:1px solid black;width:200;height:150;padding:2px'>PHP Poll<br>click to edit<br>phppollx</span>" TAG="p" startspan -->
<?php include("phppollx/vote.php"); ?>
<!--webbot bot="norvelfpbot" endspan --></p></body>
</html>
