<?php
/*
 * Norvel poll: the results page, with the thank-you message for a visitor who has voted.
 * Its counts change with every vote, so it is never cached. After a vote the address ends in
 * #norvelpoll-result, which takes the focus.
 */
declare(strict_types=1);

$poll = (static function (): NorvelPoll1 {
    $norvelPollAsLibrary = true;
    return require __DIR__ . '/vote.php';
})();

header('Cache-Control: no-store');
try {
    $current = $poll->readPoll();
} catch (NorvelPollDataError $error) {
    NorvelPoll1::fail(500, $error->getMessage(), '/', 'Back to the site');
}
header('Content-Type: text/html; charset=utf-8');
?>
<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Results: <?= NorvelPoll1::escape($current['question']) ?></title>
<link rel="stylesheet" href="<?= NorvelPoll1::escape($poll->url('pollstyle.css')) ?>">
</head>
<body class="norvelpoll-page">
<main>
<?php
$voted = $poll->hasVoted($current);
echo '<div id="norvelpoll-result" tabindex="-1"',
    $voted ? ' aria-labelledby="norvelpoll-result-thanks"' : '', ">\n";
if ($voted) {
    echo $poll->thanksHtml('norvelpoll-result');
}
echo $poll->resultsHtml($current, (int) $poll->setting('wpic'), 'norvelpoll-results'), "</div>\n",
    NorvelPoll1::focusScript('norvelpoll-result');
?>
</main>
</body>
</html>
