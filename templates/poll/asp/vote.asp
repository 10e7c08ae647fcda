<%
' Norvel poll (classic ASP, VBScript): the voting form, and the library the poll's other
' scripts share.
'
' A page shows the poll with <!--#include file ="DIR/vote.asp" -->; the scripts beside this
' file (process.asp, results.asp, vote_js.asp) include it as well and then write nothing
' from here. Every path is built from the requested script's address with Server.MapPath,
' so no parent paths ("..") are needed. VBScript allows a procedure only once per page, so
' a page holds one ASP poll; every name here starts with NvPoll to keep clear of the page's.
'
' The editor's values are VBScript string expressions in NvPollSetting below, written by the
' generator in plain ASCII ("" for a quote, ChrW() for any other character, and no "%>",
' "<%" or "<!--" in one piece), so no text can end its string or the script block.
'
' Data files: votes.htm holds "question||answer1||count1||..." and history.htm earlier
' polls, newest first, one per CRLF line, both UTF-8, with "&", "<" and ">" as character
' references. Every change holds the lock (NvPollLock) and replaces the file through a
' temporary file and a backup (NvPollReplaceFile); readers take no lock and never wait.
' All markup is written as ASCII (other characters as numeric references), so it is right
' whatever code page the including page uses.

Function NvPollFolderName()
    NvPollFolderName = <*dir*>
End Function

' True when the requested script lies in the poll folder itself.
Function NvPollRunsInPollFolder()
    Dim folderUrl
    folderUrl = NvPollParentUrl(CStr(Request.ServerVariables("SCRIPT_NAME")))
    NvPollRunsInPollFolder = (LCase(Mid(folderUrl, InStrRev(folderUrl, "/") + 1)) = _
        LCase(NvPollFolderName()))
End Function

' True when a script of the poll folder includes this file for its procedures only.
Function NvPollIsLibraryInclude()
    Dim file
    file = NvPollScriptFile()
    NvPollIsLibraryInclude = NvPollRunsInPollFolder() And _
        (file = "process.asp" Or file = "results.asp" Or file = "vote_js.asp")
End Function

' The address of a file of the poll folder, from the site's root.
Function NvPollUrl(file)
    Dim folderUrl
    folderUrl = NvPollParentUrl(CStr(Request.ServerVariables("SCRIPT_NAME")))
    If Not NvPollRunsInPollFolder() Then
        folderUrl = folderUrl & "/" & NvPollFolderName()
    End If
    NvPollUrl = folderUrl & "/" & file
End Function

' A JavaScript string literal, in ASCII, safe inside a script element.
Function NvPollJsString(text)
    Dim parts(), i, c
    ReDim parts(Len(text))
    For i = 1 To Len(text)
        c = Mid(text, i, 1)
        If InStr(1, "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,:;_-/=?!#%()", c, vbBinaryCompare) > 0 Then
            parts(i) = c
        Else
            parts(i) = "\u" & Right("000" & Hex(AscW(c) And &HFFFF&), 4)
        End If
    Next
    NvPollJsString = """" & Join(parts, "") & """"
End Function

' A path on this site to go back to after a vote, without any fragment, or "" when it is
' not one.
Function NvPollLocalPath(path)
    Dim pattern
    Set pattern = New RegExp
    pattern.Pattern = "^/(?![/\\])[^\x00-\x20\x7f]*$"
    NvPollLocalPath = ""
    If Len(path) <= 2000 Then
        If pattern.Test(path) Then NvPollLocalPath = path
    End If
    If InStr(NvPollLocalPath, "#") > 0 Then NvPollLocalPath = Left(NvPollLocalPath, InStr(NvPollLocalPath, "#") - 1)
End Function

' Where a refusal page leads: back to the page the vote came from, or to the results.
Function NvPollFailBackUrl()
    NvPollFailBackUrl = NvPollLocalPath(NvPollFormField("back", 2000))
    If NvPollFailBackUrl = "" Then NvPollFailBackUrl = NvPollUrl("results.asp")
End Function

' The element of a page that shows the poll after a vote: the address of the page after a
' vote ends in "#" and this, so the browser brings the visitor there.
Function NvPollVotedId()
    NvPollVotedId = NvPollFormId() & "-voted"
End Function

' Counts a vote for the answer whose count has index countIndex, under the lock. Returns ""
' or the HTTP status and the message, separated by "|".
Function NvPollAddVote(countIndex, identity)
    Dim problem, fields
    problem = NvPollLock()
    If problem <> "" Then
        NvPollAddVote = "500 Internal Server Error|" & problem
        Exit Function
    End If
    On Error Resume Next
    fields = NvPollRead()
    If IsEmpty(fields) Then
        NvPollAddVote = "500 Internal Server Error|The poll data file votes.htm is missing or damaged."
    ElseIf NvPollIdentity(fields) <> identity Then
        NvPollAddVote = "409 Conflict|The poll has changed since the form was shown. Please vote again."
    Else
        fields(countIndex) = CStr(CLng(fields(countIndex)) + 1)
        NvPollReplaceFile "votes.htm", NvPollFormat(fields)
        NvPollAddVote = ""
        If Err.Number <> 0 Then NvPollAddVote = "500 Internal Server Error|votes.htm could not be written."
    End If
    On Error GoTo 0
    NvPollUnlock
End Function

Function NvPollCookieName()
    NvPollCookieName = "nvpoll_" & Left(NvPollSha256Hex(LCase(NvPollPath(""))), 16)
End Function

Function NvPollHasVoted(fields)
    NvPollHasVoted = (NvPollCookieValue(NvPollCookieName(), 64) = NvPollIdentity(fields))
End Function

Sub NvPollRememberVote(fields)
    Dim days, cookie
    days = NvPollNumberSetting("c")
    If IsEmpty(days) Then days = 30
    If days > 3650 Then days = 3650
    cookie = NvPollCookieName() & "=" & NvPollIdentity(fields) & "; Path=" & _
        NvPollParentUrl(NvPollParentUrl(NvPollUrl("votes.htm"))) & "/; HttpOnly; SameSite=Lax"
    ' Zero or negative days: the cookie lasts as long as the browser session.
    If days > 0 Then cookie = cookie & "; Max-Age=" & CLng(days * 86400 + 0.5)
    If LCase(CStr(Request.ServerVariables("HTTPS"))) = "on" Then cookie = cookie & "; Secure"
    Response.AddHeader "Set-Cookie", cookie
End Sub

Function NvPollShowsResultsAfterVote()
    NvPollShowsResultsAfterVote = (Trim(NvPollSetting("return")) = "1")
End Function

Function NvPollTargetAttribute()
    NvPollTargetAttribute = ""
    If InStr(NvPollSetting("target"), "_blank") > 0 Then NvPollTargetAttribute = " target=""_blank"""
End Function

Function NvPollFormId()
    NvPollFormId = "nvpoll-" & Left(NvPollSha256Hex(LCase(NvPollPath(""))), 10)
End Function

Function NvPollFormHtml(fields, back)
    Dim html, i, id, value
    id = NvPollFormId()
    html = "<div class=""norvelpoll norvelpoll-vote"">" & vbLf & _
        "<form id=""" & id & """ method=""post"" action=""" & NvPollEscape(NvPollUrl("process.asp")) & """" & _
        NvPollTargetAttribute() & ">" & vbLf & "<fieldset>" & vbLf & _
        "<legend class=""questionx"">" & NvPollEscape(fields(0)) & "</legend>" & vbLf & _
        "<div class=""norvelpoll-answers"">" & vbLf
    For i = 1 To UBound(fields) Step 2
        value = i + 1
        html = html & "<div class=""norvelpoll-answer""><input type=""radio"" name=""vote"" value=""" & value & _
            """ id=""" & id & "-" & value & """ required> <label for=""" & id & "-" & value & _
            """ class=""responsex"">" & NvPollEscape(fields(i)) & "</label></div>" & vbLf
    Next
    NvPollFormHtml = html & "</div>" & vbLf & _
        "<input type=""hidden"" name=""poll"" value=""" & NvPollIdentity(fields) & """>" & vbLf & _
        "<input type=""hidden"" name=""back"" value=""" & NvPollEscape(back) & """>" & vbLf & _
        "<div class=""norvelpoll-buttons""><input type=""submit"" class=""votebuttonx"" value=""" & _
        NvPollEscape(NvPollSetting("buttonlabel")) & """></div>" & vbLf & _
        NvPollResultsLinkHtml() & "</fieldset>" & vbLf & "</form>" & vbLf & "</div>" & vbLf
End Function

Function NvPollResultsLinkHtml()
    NvPollResultsLinkHtml = "<p class=""norvelpoll-link""><a href=""" & NvPollEscape(NvPollUrl("results.asp")) & _
        """" & NvPollTargetAttribute() & ">" & NvPollEscape(NvPollSetting("link")) & "</a></p>" & vbLf
End Function

Function NvPollThanksHtml()
    NvPollThanksHtml = "<p class=""responsex norvelpoll-thanks"" role=""status"">" & NvPollEscape(NvPollSetting("thankyou")) & _
        "</p>" & vbLf
End Function

' What a page shows: the results in place of the form once voted, if so set up.
Function NvPollBoxHtml(back)
    Dim fields, barWidth
    fields = NvPollRead()
    If IsEmpty(fields) Then
        NvPollBoxHtml = "<p class=""norvelpoll-error"">The poll data file votes.htm is missing or damaged.</p>" & vbLf
    ElseIf NvPollShowsResultsAfterVote() And NvPollHasVoted(fields) Then
        barWidth = NvPollNumberSetting("wpic2")
        If IsEmpty(barWidth) Then barWidth = 0
        NvPollBoxHtml = "<div id=""" & NvPollVotedId() & """ tabindex=""-1"">" & vbLf & NvPollThanksHtml() & _
            NvPollResultsHtml(fields, barWidth, "norvelpoll-vote") & NvPollResultsLinkHtml() & "</div>" & vbLf
    Else
        NvPollBoxHtml = NvPollFormHtml(fields, back)
    End If
End Function

Sub NvPollWriteBox()
    Dim back, html
    back = CStr(Request.ServerVariables("URL"))
    If CStr(Request.ServerVariables("QUERY_STRING")) <> "" Then
        back = back & "?" & CStr(Request.ServerVariables("QUERY_STRING"))
    End If
    On Error Resume Next
    html = NvPollBoxHtml(NvPollLocalPath(back))
    If Err.Number <> 0 Then
        html = "<p class=""norvelpoll-error"">The poll is not available right now.</p>" & vbLf
    End If
    On Error GoTo 0
    Response.Write html
End Sub

' ---- Routines that admin/default.asp holds too, word for word (an admin page cannot
' include ../vote.asp where parent paths are off). Change both copies together.

Function NvPollParentUrl(url)
    NvPollParentUrl = Left(url, InStrRev(url, "/") - 1)
End Function

Function NvPollScriptFile()
    Dim url
    url = CStr(Request.ServerVariables("SCRIPT_NAME"))
    NvPollScriptFile = LCase(Mid(url, InStrRev(url, "/") + 1))
End Function

Function NvPollPath(file)
    NvPollPath = Server.MapPath(NvPollUrl(file))
End Function

Function NvPollNumberSetting(name)
    Dim text
    ' IsNumeric and CDbl read the server's decimal separator; the editor writes a point.
    text = Replace(Trim(NvPollSetting(name)), ".", Mid(CStr(1.5), 2, 1))
    NvPollNumberSetting = Empty
    If IsNumeric(text) Then NvPollNumberSetting = CDbl(text)
End Function

Function NvPollCodePoint(text, ByRef position)
    Dim code, low
    code = AscW(Mid(text, position, 1)) And &HFFFF&
    If code >= &HD800& And code <= &HDBFF& And position < Len(text) Then
        low = AscW(Mid(text, position + 1, 1)) And &HFFFF&
        If low >= &HDC00& And low <= &HDFFF& Then
            code = (code - &HD800&) * 1024 + (low - &HDC00&) + &H10000
            position = position + 1
        End If
    End If
    NvPollCodePoint = code
End Function

' HTML-escaped, and plain ASCII: other characters become numeric references.
Function NvPollEscape(text)
    Dim parts(), i, code, c
    ReDim parts(Len(text))
    i = 1
    Do While i <= Len(text)
        c = Mid(text, i, 1)
        code = NvPollCodePoint(text, i)
        Select Case c
            Case "&"
                parts(i) = "&amp;"
            Case "<"
                parts(i) = "&lt;"
            Case ">"
                parts(i) = "&gt;"
            Case """"
                parts(i) = "&quot;"
            Case "'"
                parts(i) = "&#39;"
            Case Else
                If code < 32 Or code > 126 Then
                    parts(i) = "&#" & code & ";"
                Else
                    parts(i) = c
                End If
        End Select
        i = i + 1
    Loop
    NvPollEscape = Join(parts, "")
End Function

Function NvPollSha256Hex(text)
    Dim encoder, hasher, digest, i, digits
    Set encoder = CreateObject("System.Text.UTF8Encoding")
    Set hasher = CreateObject("System.Security.Cryptography.SHA256Managed")
    digest = hasher.ComputeHash_2((encoder.GetBytes_4(text)))
    digits = ""
    For i = 1 To LenB(digest)
        digits = digits & Right("0" & LCase(Hex(AscB(MidB(digest, i, 1)))), 2)
    Next
    NvPollSha256Hex = digits
End Function

Function NvPollReadUtf8(path)
    Dim stream
    Set stream = CreateObject("ADODB.Stream")
    stream.Type = 2
    stream.Charset = "utf-8"
    stream.Open
    stream.LoadFromFile path
    NvPollReadUtf8 = stream.ReadText(-1)
    stream.Close
End Function

Sub NvPollWriteUtf8(path, text)
    Dim textStream, byteStream, emptyFile
    If Len(text) = 0 Then
        Set emptyFile = CreateObject("Scripting.FileSystemObject").CreateTextFile(path, True)
        emptyFile.Close
        Exit Sub
    End If
    Set textStream = CreateObject("ADODB.Stream")
    textStream.Type = 2
    textStream.Charset = "utf-8"
    textStream.Open
    textStream.WriteText text
    ' Copy the bytes without the byte order mark that the stream writes first.
    textStream.Position = 0
    textStream.Type = 1
    textStream.Position = 3
    Set byteStream = CreateObject("ADODB.Stream")
    byteStream.Type = 1
    byteStream.Open
    textStream.CopyTo byteStream
    byteStream.SaveToFile path, 2
    byteStream.Close
    textStream.Close
End Sub

' A form field as the poll's forms send it: once, and at most maxLength characters long.
' Anything else ("" when missing, a repeated field, which ASP would join with ", ", or an
' overlong one) gives "", which every caller refuses like a missing field.
Function NvPollFormField(name, maxLength)
    Dim values
    NvPollFormField = ""
    Set values = Request.Form(name)
    If values.Count <> 1 Then Exit Function
    If Len(values(1)) > maxLength Then Exit Function
    NvPollFormField = CStr(values(1))
End Function

' A cookie's plain value of at most maxLength characters, or "" (a cookie with keys, or an
' overlong one).
Function NvPollCookieValue(name, maxLength)
    Dim cookie
    NvPollCookieValue = ""
    Set cookie = Request.Cookies(name)
    If cookie.HasKeys Then Exit Function
    If Len(cookie) > maxLength Then Exit Function
    NvPollCookieValue = CStr(cookie)
End Function

' True when text is nothing but 1 to maxLength characters of "0" to "9" and "a" to "f".
Function NvPollIsHex(text, maxLength)
    Dim pattern
    Set pattern = New RegExp
    pattern.Pattern = "^[0-9a-f]{1," & maxLength & "}$"
    NvPollIsHex = pattern.Test(text)
End Function

Function NvPollGuid()
    NvPollGuid = LCase(Replace(Mid(CreateObject("Scriptlet.TypeLib").Guid, 2, 36), "-", ""))
End Function

' A data file is replaced in three renames (see NvPollReplaceFile); between the first two
' the old file is only there as its backup, file & ".old".
Function NvPollBackupPath(file)
    NvPollBackupPath = NvPollPath(file) & ".old"
End Function

' The text of a data file of the poll folder, or Empty when it does not exist. Readers take
' no lock: they find the file, or, while a writer has moved it aside, its backup, which is
' the complete old text. A writer can finish between the two looks, so they are taken again.
Function NvPollReadDataFile(file)
    Dim fso, paths, attempt, i
    Set fso = CreateObject("Scripting.FileSystemObject")
    paths = Array(NvPollPath(file), NvPollBackupPath(file))
    NvPollReadDataFile = Empty
    For attempt = 1 To 3
        For i = 0 To 1
            If fso.FileExists(paths(i)) Then
                On Error Resume Next
                NvPollReadDataFile = NvPollReadUtf8(paths(i))
                If Err.Number = 0 Then
                    On Error GoTo 0
                    Exit Function
                End If
                NvPollReadDataFile = Empty
                On Error GoTo 0
            End If
        Next
    Next
End Function

' Moves a file, trying again while a reader still has the source open (Windows refuses to
' rename an open file); raises the last failure.
Sub NvPollMove(fso, source, target)
    Dim attempt, problem, description
    For attempt = 1 To 20
        On Error Resume Next
        fso.MoveFile source, target
        problem = Err.Number
        description = Err.Description
        On Error GoTo 0
        If problem = 0 Then Exit Sub
        If Not fso.FileExists(source) Or fso.FileExists(target) Then Exit For
    Next
    Err.Raise problem, "NvPollMove", description
End Sub

' Replaces a data file under the lock, so that no reader ever finds it half written and a
' failure at any step leaves the old or the new text: the new text goes into a temporary
' file, the old file is renamed to its backup, the new one renamed in, and only then the
' backup deleted. A failed rename puts the backup back. A replace that died half way is
' completed by the next one: a backup beside the file is stale, a backup alone is the file.
' A file made read-only is left alone and the change refused: its owner wants it kept.
Sub NvPollReplaceFile(file, text)
    Dim fso, target, backup, temporary, problem, description
    Set fso = CreateObject("Scripting.FileSystemObject")
    target = NvPollPath(file)
    backup = NvPollBackupPath(file)
    If fso.FileExists(target) Then
        If (fso.GetFile(target).Attributes And 1) <> 0 Then
            Err.Raise 70, "NvPollReplaceFile", file & " is read-only."
        End If
    End If
    temporary = target & "." & NvPollGuid() & ".tmp"
    NvPollWriteUtf8 temporary, text
    On Error Resume Next
    If fso.FileExists(backup) Then
        If fso.FileExists(target) Then
            fso.DeleteFile backup, True
        Else
            NvPollMove fso, backup, target
        End If
    End If
    If Err.Number = 0 And fso.FileExists(target) Then NvPollMove fso, target, backup
    If Err.Number = 0 Then NvPollMove fso, temporary, target
    problem = Err.Number
    description = Err.Description
    Err.Clear
    If problem <> 0 Then
        If fso.FileExists(backup) And Not fso.FileExists(target) Then NvPollMove fso, backup, target
        fso.DeleteFile temporary, True
    ElseIf fso.FileExists(backup) Then
        fso.DeleteFile backup, True
    End If
    On Error GoTo 0
    If problem <> 0 Then Err.Raise problem, "NvPollReplaceFile", description
End Sub

' Temporary files of replaces that died (a killed worker, a full disk). Only called under the
' lock, when no replace is under way. IIS serves no ".tmp" or ".old" file (they have no MIME
' type), and these go at the next change.
Sub NvPollRemoveLeftovers()
    Dim fso, leftover, file
    Set fso = CreateObject("Scripting.FileSystemObject")
    Set leftover = New RegExp
    leftover.Pattern = "^(votes\.htm|history\.htm|poll\.throttle)\.[0-9a-f]{32}\.tmp$"
    leftover.IgnoreCase = True
    On Error Resume Next
    For Each file In fso.GetFolder(NvPollPath("")).Files
        If leftover.Test(file.Name) Then file.Delete True
    Next
    On Error GoTo 0
End Sub

Dim nvPollLockFile

' Takes the poll's lock; returns "" or why it could not. Application.Lock makes the other
' requests of the ASP application wait, asleep, until NvPollUnlock (ASP also lets go of it
' when the page ends, however it ends). Holding poll.lock open for writing, which Windows
' grants to one opener at a time, keeps out other processes serving the same folder; Windows
' closes the file when its process dies, so no stale lock is ever left, and nothing ever
' deletes the lock file (deleting a stale lock is what races). A lock file held by another
' process is tried a bounded number of times, then the vote is refused as busy: nothing is
' counted, so nothing acknowledged is lost.
Function NvPollLock()
    Dim fso, attempt, problem
    Set fso = CreateObject("Scripting.FileSystemObject")
    Application.Lock
    For attempt = 1 To 100
        On Error Resume Next
        Set nvPollLockFile = fso.OpenTextFile(NvPollPath("poll.lock"), 8, True)
        problem = Err.Number
        On Error GoTo 0
        If problem = 0 Then
            NvPollRemoveLeftovers
            NvPollLock = ""
            Exit Function
        End If
        ' Only "permission denied" can be another holder; anything else will not pass.
        If problem <> 70 Then Exit For
    Next
    Application.Unlock
    NvPollLock = "The poll could not take its lock file poll.lock: the poll is busy, or the web " & _
        "server may not write in the poll folder. Please try again."
End Function

Sub NvPollUnlock()
    If IsObject(nvPollLockFile) Then
        nvPollLockFile.Close
        nvPollLockFile = Empty
    End If
    Application.Unlock
End Sub

' Data files hold their texts with "&", "<" and ">" written as character references, so that
' they read back as the same text as a page's text too. Older files hold plain text; reading
' them is the same.
Function NvPollDataDecode(text)
    NvPollDataDecode = Replace(Replace(Replace(text, "&lt;", "<"), "&gt;", ">"), "&amp;", "&")
End Function

Function NvPollDataEncode(text)
    NvPollDataEncode = Replace(Replace(Replace(text, "&", "&amp;"), "<", "&lt;"), ">", "&gt;")
End Function

' A poll data string from its fields, as the data files hold it.
Function NvPollFormat(fields)
    Dim parts(), i
    ReDim parts(UBound(fields))
    For i = 0 To UBound(fields)
        If i > 0 And i Mod 2 = 0 Then
            parts(i) = fields(i)
        Else
            parts(i) = NvPollDataEncode(fields(i))
        End If
    Next
    NvPollFormat = Join(parts, "||")
End Function

' The fields of a poll data string, or Empty when it is not one.
Function NvPollParse(data)
    Dim text, fields, i, countPattern
    NvPollParse = Empty
    text = data
    Do While Right(text, 1) = vbCr Or Right(text, 1) = vbLf
        text = Left(text, Len(text) - 1)
    Loop
    fields = Split(text, "||")
    If UBound(fields) < 0 Then Exit Function
    If UBound(fields) Mod 2 <> 0 Or fields(0) = "" Then Exit Function
    Set countPattern = New RegExp
    countPattern.Pattern = "^[0-9]{1,9}$"
    For i = 2 To UBound(fields) Step 2
        fields(i) = Trim(fields(i))
        If Not countPattern.Test(fields(i)) Then Exit Function
        fields(i) = CStr(CLng(fields(i)))
    Next
    For i = 0 To UBound(fields) Step 2
        If i = 0 Then fields(0) = NvPollDataDecode(fields(0))
        If i + 1 <= UBound(fields) Then fields(i + 1) = NvPollDataDecode(fields(i + 1))
    Next
    NvPollParse = fields
End Function

Function NvPollAnswerCount(fields)
    NvPollAnswerCount = UBound(fields) \ 2
End Function

Function NvPollTotal(fields)
    Dim i
    NvPollTotal = 0
    For i = 2 To UBound(fields) Step 2
        NvPollTotal = NvPollTotal + CLng(fields(i))
    Next
End Function

' Question and answer texts without the counts: what a vote cookie is bound to.
Function NvPollIdentity(fields)
    Dim texts, i
    texts = fields(0)
    For i = 1 To UBound(fields) Step 2
        texts = texts & vbLf & fields(i)
    Next
    NvPollIdentity = Left(NvPollSha256Hex(texts), 20)
End Function

' The poll from votes.htm, or Empty when the file is missing or damaged.
Function NvPollRead()
    Dim data
    NvPollRead = Empty
    data = NvPollReadDataFile("votes.htm")
    If Not IsEmpty(data) Then NvPollRead = NvPollParse(data)
End Function

' Ends the request with a short page that says what happened (never where on the server)
' and leads back to where the visitor came from (NvPollFailBackUrl of the page).
Sub NvPollFail(status, message)
    Response.Clear
    Response.Status = status
    Response.ContentType = "text/html"
    Response.Charset = "utf-8"
    Response.AddHeader "Cache-Control", "no-store"
    Response.Write "<!DOCTYPE html>" & vbLf & "<html>" & vbLf & "<head>" & vbLf & "<meta charset=""utf-8"">" & vbLf & _
        "<meta name=""viewport"" content=""width=device-width, initial-scale=1"">" & vbLf & _
        "<meta name=""robots"" content=""noindex"">" & vbLf & "<title>Poll: " & NvPollEscape(message) & "</title>" & vbLf & _
        "<link rel=""stylesheet"" href=""" & NvPollEscape(NvPollUrl("pollstyle.css")) & """>" & vbLf & _
        "</head>" & vbLf & "<body class=""norvelpoll-page"">" & vbLf & "<main>" & vbLf & _
        "<p class=""norvelpoll-error"" role=""alert"">" & NvPollEscape(message) & "</p>" & vbLf & _
        "<p><a href=""" & NvPollEscape(NvPollFailBackUrl()) & """>Back</a></p>" & vbLf & _
        "</main>" & vbLf & "</body>" & vbLf & "</html>" & vbLf
    Response.End
End Sub

' The results table with bars of at most barWidth pixels; halves round to even, as the
' editor's preview does.
Function NvPollResultsHtml(fields, barWidth, boxClass)
    Dim html, i, total, divisor, share
    total = NvPollTotal(fields)
    divisor = total
    If divisor = 0 Then divisor = 1
    html = "<div class=""norvelpoll " & boxClass & """>" & vbLf & "<table class=""norvelpoll-table"">" & vbLf & _
        "<caption class=""questionx"">" & NvPollEscape(fields(0)) & "</caption>" & vbLf
    For i = 1 To UBound(fields) Step 2
        share = CDbl(CLng(fields(i + 1))) / CDbl(divisor)
        html = html & "<tr><th scope=""row"" class=""responsex"">" & NvPollEscape(fields(i)) & "</th>" & _
            "<td class=""norvelpoll-bar""><img src=""" & NvPollEscape(NvPollUrl("bar.gif")) & """ width=""" & _
            Round(share * barWidth) & """ height=""10"" alt=""""></td>" & _
            "<td class=""responsex norvelpoll-percent"">" & Round(share * 100) & "%</td>" & _
            "<td class=""responsex norvelpoll-count"">" & fields(i + 1) & "</td></tr>" & vbLf
    Next
    NvPollResultsHtml = html & "<tr><td colspan=""4"" class=""responsex norvelpoll-total"">Total votes: " & _
        total & "</td></tr>" & vbLf & "</table>" & vbLf & "</div>" & vbLf
End Function

' ---- End of the routines admin/default.asp holds too.

' The poll editor's values.
Function NvPollSetting(name)
    Select Case name
        Case "thankyou"
            NvPollSetting = <*thankyou*>
        Case "buttonlabel"
            NvPollSetting = <*buttonlabel*>
        Case "link"
            NvPollSetting = <*link*>
        Case "return"
            NvPollSetting = <*return*>
        Case "target"
            NvPollSetting = <*target*>
        Case "c"
            NvPollSetting = <*c*>
        Case "wpic"
            NvPollSetting = <*wpic*>
        Case "wpic2"
            NvPollSetting = <*wpic2*>
        Case Else
            NvPollSetting = ""
    End Select
End Function

If Not NvPollIsLibraryInclude() Then
    NvPollWriteBox
End If
%>
