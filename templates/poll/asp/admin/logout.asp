<%@ Language="VBScript" CodePage="65001" %>
<% Option Explicit %>
<!--#include file="default.asp"-->
<%
' Norvel poll administration (classic ASP): logging out. A GET shows the button; the POST
' logs out.

If NvPollAdminMethod() <> "POST" Then
    NvPollAdminRequireLogin
    NvPollAdminPage "Log out", "<form method=""post"" action=""" & NvPollEscape(NvPollAdminUrl("logout.asp")) & _
        """>" & vbLf & NvPollAdminTokenField() & vbLf & "<p><input type=""submit"" value=""Log out""></p>" & vbLf & _
        "</form>" & vbLf, "200 OK"
End If
NvPollAdminCheckPost
NvPollAdminLogOut
NvPollAdminRedirect "default.asp"
%>
