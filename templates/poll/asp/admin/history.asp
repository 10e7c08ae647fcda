<%@ Language="VBScript" CodePage="65001" %>
<% Option Explicit %>
<!--#include file="default.asp"-->
<%
' Norvel poll administration (classic ASP): the earlier polls kept in history.htm, newest
' first.

Dim history, lines, i, fields, body, barWidth

NvPollAdminRequireLogin
history = NvPollReadDataFile("history.htm")
If IsEmpty(history) Then
    NvPollAdminPage "Poll history", "<p>This poll keeps no history.</p>" & vbLf, "200 OK"
End If
If history = "" Then
    NvPollAdminPage "Poll history", "<p>History is empty.</p>" & vbLf, "200 OK"
End If
barWidth = NvPollNumberSetting("wpic")
If IsEmpty(barWidth) Then barWidth = 0
body = ""
lines = Split(history, vbCrLf)
For i = 0 To UBound(lines)
    If lines(i) <> "" Then
        fields = NvPollParse(lines(i))
        If IsEmpty(fields) Then
            body = body & NvPollAdminErrorHtml("A damaged history line: " & lines(i))
        Else
            body = body & NvPollResultsHtml(fields, barWidth, "norvelpoll-results")
        End If
    End If
Next
NvPollAdminPage "Poll history", body, "200 OK"
%>
