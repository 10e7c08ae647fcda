<%@ Language="VBScript" CodePage="65001" %>
<% Option Explicit %>
<!--#include file="vote.asp"-->
<%
' Norvel poll (classic ASP): the voting form for static pages, as a script that writes it
' into the page:
'   <script type="text/javascript" src="DIR/vote_js.asp"></script>
' The markup is the one vote.asp shows, with addresses from the site's root so they hold
' for any page; the script fills in the page to return to after the vote.

Dim html

Response.ContentType = "text/javascript"
Response.Charset = "utf-8"
Response.AddHeader "Cache-Control", "no-store"
Response.AddHeader "X-Content-Type-Options", "nosniff"
On Error Resume Next
html = NvPollBoxHtml("")
If Err.Number <> 0 Then html = "<p class=""norvelpoll-error"">The poll is not available right now.</p>"
On Error GoTo 0
%>
(function () {
    document.write(<%= NvPollJsString(html) %>);
    var form = document.getElementById(<%= NvPollJsString(NvPollFormId()) %>);
    if (form && form.elements.back) {
        form.elements.back.value = window.location.pathname + window.location.search;
    }
})();
