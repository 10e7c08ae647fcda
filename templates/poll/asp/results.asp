<%@ Language="VBScript" CodePage="65001" %>
<% Option Explicit %>
<!--#include file="vote.asp"-->
<%
' Norvel poll (classic ASP): the results page, with the thank-you message for a visitor who
' has voted. Its counts change with every vote, so it is never cached.

Dim fields, barWidth

Response.AddHeader "Cache-Control", "no-store"
fields = NvPollRead()
If IsEmpty(fields) Then
    NvPollFail "500 Internal Server Error", "The poll data file votes.htm is missing or damaged."
End If
barWidth = NvPollNumberSetting("wpic")
If IsEmpty(barWidth) Then barWidth = 0
Response.ContentType = "text/html"
Response.Charset = "utf-8"
%>
<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Results: <%= NvPollEscape(fields(0)) %></title>
<link rel="stylesheet" href="<%= NvPollEscape(NvPollUrl("pollstyle.css")) %>">
</head>
<body class="norvelpoll-page">
<main id="nvpoll-results" tabindex="-1">
<%
If NvPollHasVoted(fields) Then Response.Write NvPollThanksHtml()
Response.Write NvPollResultsHtml(fields, barWidth, "norvelpoll-results")
%>
</main>
</body>
</html>
