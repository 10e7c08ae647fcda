<%@ Language="VBScript" CodePage="65001" %>
<% Option Explicit %>
<!--#include file="vote.asp"-->
<%
' Norvel poll (classic ASP): receives a vote from the voting form.
'
' POST fields: vote (the index of the answer's count in the poll data string: 2 for the
' first answer, 4 for the second, ...), poll (the poll's identity when the form was shown)
' and back (the page to return to). A visitor whose cookie shows a vote for this poll is
' refused and nothing is counted. Afterwards the visitor goes back to the page, which then
' shows the results in place of the form, or to the results page, as the poll is set up;
' either way the address ends in a fragment that brings the visitor to the result.
' Every field is checked for its shape before use: a repeated or overlong field is refused
' like a missing one.

Dim voteText, identity, countPattern, countIndex, fields, problem, back, nextUrl

Response.AddHeader "Cache-Control", "no-store"
If CStr(Request.ServerVariables("REQUEST_METHOD")) <> "POST" Then
    Response.AddHeader "Allow", "POST"
    NvPollFail "405 Method Not Allowed", "Votes are sent with the poll's form (POST)."
End If

voteText = NvPollFormField("vote", 4)
identity = NvPollFormField("poll", 20)
Set countPattern = New RegExp
countPattern.Pattern = "^[0-9]{1,4}$"
If Not countPattern.Test(voteText) Or Not NvPollIsHex(identity, 20) Then
    NvPollFail "400 Bad Request", "This is not a vote: choose an answer and press the vote button."
End If
countIndex = CLng(voteText)

fields = NvPollRead()
If IsEmpty(fields) Then
    NvPollFail "500 Internal Server Error", "The poll data file votes.htm is missing or damaged."
End If
If countIndex < 2 Or countIndex Mod 2 <> 0 Or countIndex \ 2 > NvPollAnswerCount(fields) Then
    NvPollFail "400 Bad Request", "There is no such answer in this poll."
End If
If identity <> NvPollIdentity(fields) Then
    NvPollFail "409 Conflict", "The poll has changed since the form was shown. Please vote again."
End If
If NvPollHasVoted(fields) Then
    NvPollFail "403 Forbidden", "You have already voted in this poll. Your vote was not counted again."
End If

problem = NvPollAddVote(countIndex, identity)
If problem <> "" Then
    NvPollFail Left(problem, InStr(problem, "|") - 1), Mid(problem, InStr(problem, "|") + 1)
End If

NvPollRememberVote fields
back = NvPollLocalPath(NvPollFormField("back", 2000))
nextUrl = NvPollUrl("results.asp") & "#nvpoll-results"
If NvPollShowsResultsAfterVote() And back <> "" Then nextUrl = back & "#" & NvPollVotedId()
Response.Status = "303 See Other"
Response.AddHeader "Location", nextUrl
Response.ContentType = "text/plain"
Response.Write "Thank you: your vote was counted. Continue at " & nextUrl & vbCrLf
%>
