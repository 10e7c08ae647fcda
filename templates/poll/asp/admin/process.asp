<%@ Language="VBScript" CodePage="65001" %>
<% Option Explicit %>
<!--#include file="default.asp"-->
<%
' Norvel poll administration (classic ASP): carries out the forms of home.asp (reset the
' votes) and change.asp (new question and answers; the poll as it stood goes on top of the
' history).

Dim action, problem, question, lines, answers(), count, i, newFields

' A text of the poll, or "" when it cannot be stored in a poll data string: "||" inside, or a
' "|" at either end (which would join the separator beside it and shift every field after it).
Function NvPollAdminText(text)
    Dim refused
    Set refused = New RegExp
    refused.Pattern = "[\x00-\x1f\x7f]|\|\||^\||\|$"
    NvPollAdminText = Trim(text)
    If Len(NvPollAdminText) > 1000 Or refused.Test(NvPollAdminText) Then
        NvPollAdminText = ""
    End If
End Function

NvPollAdminCheckPost
NvPollAdminRequireLogin
action = NvPollFormField("action", 10)

If action = "reset" Then
    problem = NvPollAdminReset()
    If problem <> "" Then NvPollFail "500 Internal Server Error", problem
    NvPollAdminFlash "The votes were reset to zero."
    NvPollAdminRedirect "home.asp"
End If

If action = "change" Then
    question = NvPollAdminText(NvPollFormField("question", 1000))
    lines = Split(Replace(Replace(NvPollFormField("answers", 101000), vbCrLf, vbLf), vbCr, vbLf), vbLf)
    ReDim answers(UBound(lines) + 1)
    count = 0
    For i = 0 To UBound(lines)
        If Trim(lines(i)) <> "" Then
            count = count + 1
            answers(count) = NvPollAdminText(lines(i))
            If answers(count) = "" Then question = ""
        End If
    Next
    If question = "" Or count = 0 Or count > 100 Then
        NvPollFail "400 Bad Request", "The question and each answer must be a line of text of at most 1000 " & _
            "characters without ""||"" and without ""|"" at either end; at least one answer is needed."
    End If
    ReDim newFields(2 * count)
    newFields(0) = question
    For i = 1 To count
        newFields(2 * i - 1) = answers(i)
        newFields(2 * i) = "0"
    Next
    problem = NvPollAdminChange(newFields)
    If problem = "changed" Then
        NvPollAdminFlash "The poll was changed."
    ElseIf problem = "same" Then
        NvPollAdminFlash "Nothing to change: the question and the answers are the same."
    Else
        NvPollFail "500 Internal Server Error", problem
    End If
    NvPollAdminRedirect "home.asp"
End If

NvPollFail "400 Bad Request", "Unknown action."
%>
