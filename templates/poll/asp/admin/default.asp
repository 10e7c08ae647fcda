<%
' Norvel poll administration (classic ASP, VBScript): the start page, where the
' administrator logs in, and the library of the other admin pages, which include it.
'
' The poll editor rewrites this page when a new password is given, so it is the only file
' that holds the password, and only as a hash: "sha256$<iterations>$<salt>$<digest>", where
' d1 = SHA-256(salt & password) and d(i) = SHA-256(hex(d(i-1)) & salt & password) over the
' UTF-8 bytes, hex in lower case (the .NET SHA256Managed object does the digest).
'
' Protection: the login lives in the ASP session together with a random value that must
' also come back in a cookie of our own, which is HttpOnly, SameSite=Strict and limited to
' this folder (the ASP session cookie itself cannot be marked so); every POST must carry the
' session's token; requests that a browser marks as coming from another site are refused.

Dim nvPollSource

' The address of a file of the poll folder, from the site's root: this page's folder is the
' poll folder's "admin".
Function NvPollUrl(file)
    NvPollUrl = NvPollParentUrl(NvPollParentUrl(CStr(Request.ServerVariables("SCRIPT_NAME")))) & "/" & file
End Function

Function NvPollAdminUrl(file)
    NvPollAdminUrl = NvPollParentUrl(CStr(Request.ServerVariables("SCRIPT_NAME"))) & "/" & file
End Function

Function NvPollAdminHash()
    NvPollAdminHash = Trim("<*asppasswordhash*>")
End Function

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

Function NvPollSetting(name)
    Dim startMark, endMark, first, last
    If IsEmpty(nvPollSource) Then
        nvPollSource = NvPollReadUtf8(NvPollPath("vote.asp"))
    End If
    startMark = "[[nvpoll:" & name & "]]"
    endMark = "[[/nvpoll:" & name & "]]"
    NvPollSetting = ""
    first = InStr(1, nvPollSource, startMark, vbBinaryCompare)
    If first = 0 Then Exit Function
    first = first + Len(startMark)
    last = InStr(first, nvPollSource, endMark, vbBinaryCompare)
    If last > 0 Then NvPollSetting = Mid(nvPollSource, first, last - first)
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

Sub NvPollPause(seconds)
    Dim started
    started = Timer
    Do While NvPollElapsed(started) < seconds
    Loop
End Sub

Function NvPollElapsed(started)
    NvPollElapsed = Timer - started
    If NvPollElapsed < 0 Then NvPollElapsed = NvPollElapsed + 86400
End Function

' The text of a data file of the poll folder, or Empty when it does not exist.
Function NvPollReadDataFile(file)
    Dim fso, path, attempt
    Set fso = CreateObject("Scripting.FileSystemObject")
    path = NvPollPath(file)
    NvPollReadDataFile = Empty
    For attempt = 1 To 50
        If fso.FileExists(path) Then
            NvPollReadDataFile = NvPollReadUtf8(path)
            Exit Function
        End If
        ' A writer may be between removing the old file and renaming the new one.
        If Not fso.FolderExists(NvPollPath("poll.lock")) Then Exit Function
        NvPollPause 0.02
    Next
End Function

Sub NvPollReplaceFile(file, text)
    Dim fso, target, temporary
    Set fso = CreateObject("Scripting.FileSystemObject")
    target = NvPollPath(file)
    temporary = target & "." & Replace(Mid(CreateObject("Scriptlet.TypeLib").Guid, 2, 36), "-", "") & ".tmp"
    NvPollWriteUtf8 temporary, text
    If fso.FileExists(target) Then fso.DeleteFile target, True
    fso.MoveFile temporary, target
End Sub

' Takes the poll's lock; returns "" or why it could not.
Function NvPollLock()
    Dim fso, lockPath, started, problem
    Set fso = CreateObject("Scripting.FileSystemObject")
    lockPath = NvPollPath("poll.lock")
    started = Timer
    Do
        On Error Resume Next
        fso.CreateFolder lockPath
        problem = Err.Number
        On Error GoTo 0
        NvPollLock = ""
        If problem = 0 Then Exit Function
        If problem <> 58 Then
            NvPollLock = "The poll folder is not writable by the web server, so votes cannot be saved."
            Exit Function
        End If
        ' A lock older than 30 seconds was left by a request that died.
        If fso.FolderExists(lockPath) Then
            If DateDiff("s", fso.GetFolder(lockPath).DateCreated, Now) > 30 Then
                fso.DeleteFolder lockPath, True
            End If
        End If
        If NvPollElapsed(started) > 10 Then
            NvPollLock = "The poll is busy. Please try again."
            Exit Function
        End If
        NvPollPause 0.01
    Loop
End Function

Sub NvPollUnlock()
    CreateObject("Scripting.FileSystemObject").DeleteFolder NvPollPath("poll.lock"), True
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

' Ends the request with a short plain-text answer.
Sub NvPollFail(status, message)
    Response.Clear
    Response.Status = status
    Response.ContentType = "text/plain"
    Response.Charset = "utf-8"
    Response.AddHeader "Cache-Control", "no-store"
    Response.Write message & vbCrLf
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

' ---- Administration

' A name of this poll's entries in the ASP session, which all pages of the site share.
Function NvPollAdminKey(name)
    NvPollAdminKey = "nvpoll" & name & "_" & Left(NvPollSha256Hex(LCase(NvPollPath(""))), 12)
End Function

' 64 hex digits from two fresh GUIDs, which Windows makes from its random source.
Function NvPollAdminRandom()
    NvPollAdminRandom = LCase(Replace(Mid(CreateObject("Scriptlet.TypeLib").Guid, 2, 36), "-", "") & _
        Replace(Mid(CreateObject("Scriptlet.TypeLib").Guid, 2, 36), "-", ""))
End Function

Function NvPollAdminMethod()
    NvPollAdminMethod = UCase(CStr(Request.ServerVariables("REQUEST_METHOD")))
End Function

Sub NvPollAdminStart()
    Response.CodePage = 65001
    Response.Charset = "utf-8"
    Response.AddHeader "Cache-Control", "no-store"
    Response.AddHeader "X-Frame-Options", "DENY"
    Response.AddHeader "Content-Security-Policy", "frame-ancestors 'none'"
    Response.AddHeader "Referrer-Policy", "same-origin"
    If CStr(Session(NvPollAdminKey("Token"))) = "" Then Session(NvPollAdminKey("Token")) = NvPollAdminRandom()
End Sub

Function NvPollAdminCookie(value, maxAge)
    NvPollAdminCookie = NvPollAdminKey("Admin") & "=" & value & "; Path=" & NvPollAdminUrl("") & _
        "; HttpOnly; SameSite=Strict" & maxAge
    If LCase(CStr(Request.ServerVariables("HTTPS"))) = "on" Then NvPollAdminCookie = NvPollAdminCookie & "; Secure"
End Function

Function NvPollAdminIsLoggedIn()
    Dim binding
    binding = CStr(Session(NvPollAdminKey("Binding")))
    NvPollAdminIsLoggedIn = (binding <> "" And CStr(Request.Cookies(NvPollAdminKey("Admin"))) = binding)
End Function

Sub NvPollAdminRedirect(file)
    Response.Clear
    Response.Status = "303 See Other"
    Response.AddHeader "Location", NvPollAdminUrl(file)
    Response.End
End Sub

' Sends a visitor who has not logged in to the start page.
Sub NvPollAdminRequireLogin()
    If NvPollAdminIsLoggedIn() Then Exit Sub
    If NvPollAdminMethod() <> "GET" Then
        NvPollFail "403 Forbidden", "Please log in to the poll administration first."
    End If
    NvPollAdminRedirect "default.asp"
End Sub

Function NvPollAdminHostOf(address)
    Dim host
    host = address
    If InStr(host, "://") > 0 Then host = Mid(host, InStr(host, "://") + 3)
    If InStr(host, "/") > 0 Then host = Left(host, InStr(host, "/") - 1)
    If InStr(host, ":") > 0 Then host = Left(host, InStr(host, ":") - 1)
    NvPollAdminHostOf = LCase(host)
End Function

' Refuses anything but a POST sent by a form of these pages in this session.
Sub NvPollAdminCheckPost()
    Dim site, origin, token, crossSite
    If NvPollAdminMethod() <> "POST" Then
        Response.AddHeader "Allow", "POST"
        NvPollFail "405 Method Not Allowed", "This page only takes the administration forms (POST)."
    End If
    site = LCase(CStr(Request.ServerVariables("HTTP_SEC_FETCH_SITE")))
    origin = CStr(Request.ServerVariables("HTTP_ORIGIN"))
    crossSite = (site <> "" And site <> "same-origin" And site <> "none") Or origin = "null"
    If origin <> "" And origin <> "null" Then
        If NvPollAdminHostOf(origin) <> NvPollAdminHostOf(CStr(Request.ServerVariables("HTTP_HOST"))) Then
            crossSite = True
        End If
    End If
    token = CStr(Request.Form("token"))
    If crossSite Or token = "" Or token <> CStr(Session(NvPollAdminKey("Token"))) Then
        NvPollFail "403 Forbidden", "Refused: the form did not come from these administration pages " & _
            "(missing or wrong security token). Reload the page and try again."
    End If
End Sub

Function NvPollAdminTokenField()
    NvPollAdminTokenField = "<input type=""hidden"" name=""token"" value=""" & _
        NvPollEscape(CStr(Session(NvPollAdminKey("Token")))) & """>"
End Function

Sub NvPollAdminFlash(message)
    Session(NvPollAdminKey("Flash")) = message
End Sub

' Writes a whole admin page around bodyHtml and ends the request.
Sub NvPollAdminPage(title, bodyHtml, status)
    Dim flash
    flash = CStr(Session(NvPollAdminKey("Flash")))
    Session(NvPollAdminKey("Flash")) = ""
    Response.Clear
    Response.Status = status
    Response.ContentType = "text/html"
    Response.Write "<!DOCTYPE html>" & vbLf & "<html>" & vbLf & "<head>" & vbLf & "<meta charset=""utf-8"">" & vbLf & _
        "<meta name=""viewport"" content=""width=device-width, initial-scale=1"">" & vbLf & _
        "<meta name=""robots"" content=""noindex"">" & vbLf & "<title>" & NvPollEscape(title) & "</title>" & vbLf & _
        "<link rel=""stylesheet"" href=""" & NvPollEscape(NvPollUrl("pollstyle.css")) & """>" & vbLf & _
        "</head>" & vbLf & "<body>" & vbLf & "<main class=""norvelpoll-admin"">" & vbLf & _
        "<h1>" & NvPollEscape(title) & "</h1>" & vbLf
    If NvPollAdminIsLoggedIn() Then
        Response.Write "<nav aria-label=""Poll administration""><a href=""" & NvPollEscape(NvPollAdminUrl("home.asp")) & _
            """>Poll</a> | <a href=""" & NvPollEscape(NvPollAdminUrl("change.asp")) & _
            """>Change question and answers</a> | <a href=""" & NvPollEscape(NvPollAdminUrl("history.asp")) & _
            """>History</a> | <a href=""" & NvPollEscape(NvPollAdminUrl("logout.asp")) & """>Log out</a></nav>" & vbLf
    End If
    If flash <> "" Then
        Response.Write "<p class=""norvelpoll-message"" role=""status"">" & NvPollEscape(flash) & "</p>" & vbLf
    End If
    Response.Write bodyHtml & "</main>" & vbLf & "</body>" & vbLf & "</html>" & vbLf
    Response.End
End Sub

Function NvPollAdminErrorHtml(message)
    NvPollAdminErrorHtml = "<p class=""norvelpoll-error"" role=""alert"">" & NvPollEscape(message) & "</p>" & vbLf
End Function

' ---- the password

Function NvPollAdminHasPassword()
    NvPollAdminHasPassword = (Left(NvPollAdminHash(), 7) = "sha256$")
End Function

Function NvPollAdminDigest(encoder, hasher, text)
    Dim digest, digits(), i
    digest = hasher.ComputeHash_2((encoder.GetBytes_4(text)))
    ReDim digits(LenB(digest))
    For i = 1 To LenB(digest)
        digits(i) = Right("0" & LCase(Hex(AscB(MidB(digest, i, 1)))), 2)
    Next
    NvPollAdminDigest = Join(digits, "")
End Function

Function NvPollAdminVerify(password)
    Dim parts, salted, encoder, hasher, digest, i
    NvPollAdminVerify = False
    parts = Split(NvPollAdminHash(), "$")
    If UBound(parts) <> 3 Or Not NvPollAdminHasPassword() Then Exit Function
    If Not IsNumeric(parts(1)) Then Exit Function
    salted = parts(2) & password
    Set encoder = CreateObject("System.Text.UTF8Encoding")
    Set hasher = CreateObject("System.Security.Cryptography.SHA256Managed")
    digest = NvPollAdminDigest(encoder, hasher, salted)
    For i = 2 To CLng(parts(1))
        digest = NvPollAdminDigest(encoder, hasher, digest & salted)
    Next
    NvPollAdminVerify = (digest = LCase(parts(3)))
End Function

Function NvPollAdminLoginForm()
    NvPollAdminLoginForm = "<form method=""post"" action=""" & NvPollEscape(NvPollAdminUrl("default.asp")) & """>" & vbLf & _
        "<fieldset>" & vbLf & "<legend>Log in</legend>" & vbLf & _
        "<p><label for=""password"">Administration password</label>" & vbLf & _
        "<input type=""password"" id=""password"" name=""password"" required autocomplete=""current-password""></p>" & vbLf & _
        NvPollAdminTokenField() & vbLf & "<p><input type=""submit"" value=""Log in""></p>" & vbLf & _
        "</fieldset>" & vbLf & "</form>" & vbLf
End Function

Sub NvPollAdminStartPage()
    Const title = "Poll administration"
    Dim binding
    If Not NvPollAdminHasPassword() Then
        NvPollAdminPage title, "<p>No administration password is set for this poll. " & _
            "Set one in the poll editor and publish the poll again.</p>" & vbLf, "403 Forbidden"
    End If
    If NvPollAdminMethod() <> "POST" Then
        If NvPollAdminIsLoggedIn() Then NvPollAdminRedirect "home.asp"
        NvPollAdminPage title, NvPollAdminLoginForm(), "200 OK"
    End If
    NvPollAdminCheckPost
    If Not NvPollAdminVerify(CStr(Request.Form("password"))) Then
        NvPollAdminPage title, NvPollAdminErrorHtml("Wrong password.") & NvPollAdminLoginForm(), "403 Forbidden"
    End If
    ' A new binding and token at each login, as the ASP session id cannot be renewed.
    binding = NvPollAdminRandom()
    Session(NvPollAdminKey("Binding")) = binding
    Session(NvPollAdminKey("Token")) = NvPollAdminRandom()
    Response.AddHeader "Set-Cookie", NvPollAdminCookie(binding, "")
    NvPollAdminRedirect "home.asp"
End Sub

Sub NvPollAdminLogOut()
    Session(NvPollAdminKey("Binding")) = ""
    Session(NvPollAdminKey("Token")) = NvPollAdminRandom()
    Response.AddHeader "Set-Cookie", NvPollAdminCookie("", "; Max-Age=0")
End Sub

' ---- changes of the data files

' Sets every count to zero, under the lock. Returns "" or why it could not.
Function NvPollAdminReset()
    Dim fields, i
    NvPollAdminReset = NvPollLock()
    If NvPollAdminReset <> "" Then Exit Function
    On Error Resume Next
    fields = NvPollRead()
    If IsEmpty(fields) Then
        NvPollAdminReset = "The poll data file votes.htm is missing or damaged."
    Else
        For i = 2 To UBound(fields) Step 2
            fields(i) = "0"
        Next
        NvPollReplaceFile "votes.htm", NvPollFormat(fields)
        If Err.Number <> 0 Then NvPollAdminReset = "votes.htm could not be written."
    End If
    On Error GoTo 0
    NvPollUnlock
End Function

' Puts newFields in place of the poll, under the lock; the poll as it stood goes on top of
' history.htm when the poll keeps one. Returns "changed", "same" (the texts did not change:
' the counts stay) or why it could not.
Function NvPollAdminChange(newFields)
    Dim fields, fso, historyPath, history
    NvPollAdminChange = NvPollLock()
    If NvPollAdminChange <> "" Then Exit Function
    On Error Resume Next
    fields = NvPollRead()
    If IsEmpty(fields) Then
        NvPollAdminChange = "The poll data file votes.htm is missing or damaged."
    ElseIf NvPollIdentity(fields) = NvPollIdentity(newFields) Then
        NvPollAdminChange = "same"
    Else
        Set fso = CreateObject("Scripting.FileSystemObject")
        historyPath = NvPollPath("history.htm")
        If fso.FileExists(historyPath) Then
            history = NvPollReadUtf8(historyPath)
            If history <> "" Then history = vbCrLf & history
            NvPollReplaceFile "history.htm", NvPollFormat(fields) & history
        End If
        NvPollReplaceFile "votes.htm", NvPollFormat(newFields)
        NvPollAdminChange = "changed"
        If Err.Number <> 0 Then NvPollAdminChange = "The poll files could not be written."
    End If
    On Error GoTo 0
    NvPollUnlock
End Function

NvPollAdminStart
If NvPollScriptFile() = "default.asp" Then
    NvPollAdminStartPage
End If
%>
