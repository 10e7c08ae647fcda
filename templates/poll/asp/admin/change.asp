<%@ Language="VBScript" CodePage="65001" %>
<% Option Explicit %>
<!--#include file="default.asp"-->
<%
' Norvel poll administration (classic ASP): the form that changes the question and the
' answers. The change itself is made by process.asp.

Dim fields, answers, i, historyNote

NvPollAdminRequireLogin
fields = NvPollRead()
If IsEmpty(fields) Then
    NvPollAdminPage "Change the poll", _
        NvPollAdminErrorHtml("The poll data file votes.htm is missing or damaged."), "500 Internal Server Error"
End If
answers = ""
For i = 1 To UBound(fields) Step 2
    If answers <> "" Then answers = answers & vbLf
    answers = answers & fields(i)
Next
historyNote = "The poll keeps no history: its votes will be gone."
If CreateObject("Scripting.FileSystemObject").FileExists(NvPollPath("history.htm")) Then
    historyNote = "The poll as it stands, with its votes, goes into the history."
End If
NvPollAdminPage "Change the poll", _
    "<form method=""post"" action=""" & NvPollEscape(NvPollAdminUrl("process.asp")) & """>" & vbLf & _
    "<fieldset>" & vbLf & "<legend>New question and answers</legend>" & vbLf & _
    "<p><label for=""question"">Question</label>" & vbLf & _
    "<input type=""text"" id=""question"" name=""question"" required maxlength=""1000"" value=""" & _
    NvPollEscape(fields(0)) & """></p>" & vbLf & _
    "<p><label for=""answers"">Answers, one on each line</label>" & vbLf & _
    "<textarea id=""answers"" name=""answers"" rows=""8"" required>" & NvPollEscape(answers) & "</textarea></p>" & vbLf & _
    "<p>Changed texts start a new poll with no votes. " & NvPollEscape(historyNote) & "</p>" & vbLf & _
    "<input type=""hidden"" name=""action"" value=""change"">" & NvPollAdminTokenField() & vbLf & _
    "<p><input type=""submit"" value=""Change the poll""></p>" & vbLf & _
    "</fieldset>" & vbLf & "</form>" & vbLf, "200 OK"
%>
