<script type="text/javascript">
(function() {
    var X_content = [];
    var X_link = [];
<*messages*>    FadingMessages_NV.start(document.currentScript, X_content, X_link, {
        width: "<*width*>",
        height: "<*height*>",
        delay: "<*delay*>",
        border: "<*border*>"
    });
}());
</script>