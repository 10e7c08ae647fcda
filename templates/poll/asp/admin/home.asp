<%@ Language="VBScript" CodePage="65001" %>
<% Option Explicit %>
<!--#include file="default.asp"-->
<%
' Norvel poll administration (classic ASP): the poll as it stands, and resetting its votes.

Dim fields, barWidth

NvPollAdminRequireLogin
fields = NvPollRead()
If IsEmpty(fields) Then
    NvPollAdminPage "Poll administration", _
        NvPollAdminErrorHtml("The poll data file votes.htm is missing or damaged."), "500 Internal Server Error"
End If
barWidth = NvPollNumberSetting("wpic")
If IsEmpty(barWidth) Then barWidth = 0
NvPollAdminPage "Poll administration", NvPollResultsHtml(fields, barWidth, "norvelpoll-results") & _
    "<form method=""post"" action=""" & NvPollEscape(NvPollAdminUrl("process.asp")) & """>" & vbLf & _
    "<fieldset>" & vbLf & "<legend>Reset the votes</legend>" & vbLf & _
    "<p>Sets every count to zero. The question and the answers stay.</p>" & vbLf & _
    "<input type=""hidden"" name=""action"" value=""reset"">" & NvPollAdminTokenField() & vbLf & _
    "<p><input type=""submit"" value=""Reset votes to zero""></p>" & vbLf & _
    "</fieldset>" & vbLf & "</form>" & vbLf, "200 OK"
%>
