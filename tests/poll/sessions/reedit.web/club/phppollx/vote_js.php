<?php
/*
 * Norvel poll: the voting form for static pages, as a script that writes it into the page:
 *   <script type="text/javascript" src="DIR/vote_js.php"></script>
 * The markup is the one vote.php shows, with addresses from the site's root so they hold for
 * any page; the script fills in the page to return to after the vote.
 */
declare(strict_types=1);

$poll = (static function (): NorvelPoll1 {
    $norvelPollAsLibrary = true;
    return require __DIR__ . '/vote.php';
})();

header('Content-Type: text/javascript; charset=utf-8');
header('Cache-Control: no-store');
header('X-Content-Type-Options: nosniff');

// Safe inside a script element and any JavaScript string context.
$jsonFlags = JSON_HEX_TAG | JSON_HEX_AMP | JSON_HEX_APOS | JSON_HEX_QUOT | JSON_UNESCAPED_SLASHES
    | JSON_INVALID_UTF8_SUBSTITUTE | JSON_THROW_ON_ERROR;
try {
    $html = $poll->boxHtml('');
} catch (NorvelPollDataError $error) {
    $html = '<p class="norvelpoll-error">' . NorvelPoll1::escape($error->getMessage()) . '</p>';
}
$formId = $poll->formId();
?>
(function () {
    document.write(<?= json_encode($html, $jsonFlags) ?>);
    var form = document.getElementById(<?= json_encode($formId, $jsonFlags) ?>);
    if (form && form.elements.back) {
        form.elements.back.value = window.location.pathname + window.location.search;
    }
})();
