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
' session's token; requests that a browser marks as coming from another site are refused;
' wrong passwords are counted on disk and, past a few, refused for a growing time.

Dim nvPollSource

' The address of a file of the poll folder, from the site's root: this page's folder is the
' poll folder's "admin".
Function NvPollUrl(file)
    NvPollUrl = NvPollParentUrl(NvPollParentUrl(CStr(Request.ServerVariables("SCRIPT_NAME")))) & "/" & file
End Function

Function NvPollAdminUrl(file)
    NvPollAdminUrl = NvPollParentUrl(CStr(Request.ServerVariables("SCRIPT_NAME"))) & "/" & file
End Function

' Where a refusal page leads.
Function NvPollFailBackUrl()
    NvPollFailBackUrl = NvPollAdminUrl("home.asp")
End Function

Function NvPollAdminHash()
    NvPollAdminHash = Trim(<*asppasswordhash*>)
End Function

' A number the poll editor set in ../vote.asp (where NvPollSetting holds the values as
' VBScript string expressions), read from that file's text. Only a plain literal of digits and
' points is taken; anything else reads as "".
Function NvPollSetting(name)
    Dim pattern, found
    If IsEmpty(nvPollSource) Then
        nvPollSource = NvPollReadUtf8(NvPollPath("vote.asp"))
    End If
    Set pattern = New RegExp
    pattern.Pattern = "Case """ & name & """\r?\n\s*NvPollSetting = ""([0-9. ]*)""\r?\n"
    Set found = pattern.Execute(nvPollSource)
    NvPollSetting = ""
    If found.Count > 0 Then NvPollSetting = found(0).SubMatches(0)
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
    NvPollAdminIsLoggedIn = (binding <> "" And NvPollCookieValue(NvPollAdminKey("Admin"), 64) = binding)
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
    token = NvPollFormField("token", 64)
    If crossSite Or Not NvPollIsHex(token, 64) Or token <> CStr(Session(NvPollAdminKey("Token"))) Then
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

' Wrong passwords are counted in the poll folder's poll.throttle, "failures|seconds", where
' seconds is the time of the last failure. From the fifth failure in a row on, a login is
' refused, without looking at the password, until 2 ^ (failures - 4) seconds (at most an hour)
' have passed since the last one; a right password clears the count. The refusal costs no
' waiting and almost no work, so guessers hold no worker and slow no voter. The file changes
' under the poll's lock like the data files; IIS does not serve it (it has no MIME type).
' The 10,000 hash rounds of a check stay: the count caps them at a few checks an hour per
' guesser, and they keep the hash costly to attack should default.asp ever be read as text.
Const nvPollAdminFreeTries = 4

Function NvPollAdminSeconds()
    NvPollAdminSeconds = DateDiff("s", #1/1/2000#, Now())
End Function

' The failures so far and the time of the last one, as an array of two numbers.
Function NvPollAdminFailures()
    Dim text, parts, pattern
    NvPollAdminFailures = Array(0, 0)
    text = NvPollReadDataFile("poll.throttle")
    If IsEmpty(text) Then Exit Function
    Set pattern = New RegExp
    pattern.Pattern = "^[0-9]{1,9}\|[0-9]{1,12}$"
    If Not pattern.Test(Trim(text)) Then Exit Function
    parts = Split(Trim(text), "|")
    NvPollAdminFailures = Array(CLng(parts(0)), CDbl(parts(1)))
End Function

' Seconds until the next login may be tried; 0 when it may be tried now.
Function NvPollAdminLoginWait()
    Dim failures, window
    failures = NvPollAdminFailures()
    NvPollAdminLoginWait = 0
    If failures(0) <= nvPollAdminFreeTries Then Exit Function
    window = 3600
    If failures(0) - nvPollAdminFreeTries < 12 Then window = 2 ^ (failures(0) - nvPollAdminFreeTries)
    window = failures(1) + window - NvPollAdminSeconds()
    If window > 0 Then NvPollAdminLoginWait = CLng(window)
End Function

' Counts a wrong password, or clears the count after a right one; a failure to write the count
' is not the visitor's business and does not change the answer.
Sub NvPollAdminCountLogin(right)
    Dim failures
    If NvPollLock() <> "" Then Exit Sub
    On Error Resume Next
    If right Then
        NvPollReplaceFile "poll.throttle", "0|0"
    Else
        failures = NvPollAdminFailures()
        NvPollReplaceFile "poll.throttle", (failures(0) + 1) & "|" & NvPollAdminSeconds()
    End If
    On Error GoTo 0
    NvPollUnlock
End Sub

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
    Dim binding, wait
    If Not NvPollAdminHasPassword() Then
        NvPollAdminPage title, "<p>No administration password is set for this poll. " & _
            "Set one in the poll editor and publish the poll again.</p>" & vbLf, "403 Forbidden"
    End If
    If NvPollAdminMethod() <> "POST" Then
        If NvPollAdminIsLoggedIn() Then NvPollAdminRedirect "home.asp"
        NvPollAdminPage title, NvPollAdminLoginForm(), "200 OK"
    End If
    NvPollAdminCheckPost
    wait = NvPollAdminLoginWait()
    If wait > 0 Then
        Response.AddHeader "Retry-After", CStr(wait)
        NvPollAdminPage title, NvPollAdminErrorHtml("Too many wrong passwords. The next try is possible in " & _
            wait & " seconds.") & NvPollAdminLoginForm(), "429 Too Many Requests"
    End If
    If Not NvPollAdminVerify(NvPollFormField("password", 1000)) Then
        NvPollAdminCountLogin False
        NvPollAdminPage title, NvPollAdminErrorHtml("Wrong password.") & NvPollAdminLoginForm(), "403 Forbidden"
    End If
    NvPollAdminCountLogin True
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
' the counts stay) or why it could not. History is written first, and only when its top line
' is not already the poll as it stands: a change whose votes.htm write failed after history
' was written can be tried again without putting the old poll on the history twice.
Function NvPollAdminChange(newFields)
    Dim fields, history, oldPoll
    NvPollAdminChange = NvPollLock()
    If NvPollAdminChange <> "" Then Exit Function
    On Error Resume Next
    fields = NvPollRead()
    If IsEmpty(fields) Then
        NvPollAdminChange = "The poll data file votes.htm is missing or damaged."
    ElseIf NvPollIdentity(fields) = NvPollIdentity(newFields) Then
        NvPollAdminChange = "same"
    Else
        oldPoll = NvPollFormat(fields)
        history = NvPollReadDataFile("history.htm")
        If Not IsEmpty(history) And Err.Number = 0 Then
            If Split(history & vbCrLf, vbCrLf)(0) <> oldPoll Then
                If history <> "" Then history = vbCrLf & history
                NvPollReplaceFile "history.htm", oldPoll & history
            End If
        End If
        If Err.Number = 0 Then NvPollReplaceFile "votes.htm", NvPollFormat(newFields)
        NvPollAdminChange = "changed"
        If Err.Number <> 0 Then NvPollAdminChange = "The poll files could not be written. Nothing is lost: try again."
    End If
    On Error GoTo 0
    NvPollUnlock
End Function

NvPollAdminStart
If NvPollScriptFile() = "default.asp" Then
    NvPollAdminStartPage
End If
%>
