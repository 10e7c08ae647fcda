<?php
/*
 * Norvel poll administration: the earlier polls kept in history.htm, newest first.
 */
declare(strict_types=1);

$admin = (static function (): NorvelPollAdmin1 {
    $norvelPollAdminAsLibrary = true;
    return require __DIR__ . '/index.php';
})();
$admin->requireLogin();

$poll = $admin->poll;
if (!$poll->hasHistory()) {
    $admin->page('Poll history', "<p>This poll keeps no history.</p>\n");
}
$lines = $poll->readHistory();
if ($lines === []) {
    $admin->page('Poll history', "<p>History is empty.</p>\n");
}
$body = '';
foreach ($lines as $line) {
    $earlier = NorvelPoll1::parse($line);
    $body .= $earlier === null
        ? '<p class="norvelpoll-error">A damaged history line: ' . NorvelPoll1::escape($line) . "</p>\n"
        : $poll->resultsHtml($earlier, (int) $poll->setting('wpic'), 'norvelpoll-results');
}
$admin->page('Poll history', $body);
