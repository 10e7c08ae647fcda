<?php
/*
 * Norvel poll administration: the poll as it stands, and resetting its votes to zero.
 */
declare(strict_types=1);

$admin = (static function (): NorvelPollAdmin1 {
    $norvelPollAdminAsLibrary = true;
    return require __DIR__ . '/index.php';
})();
$admin->requireLogin();

try {
    $current = $admin->poll->readPoll();
} catch (NorvelPollDataError $error) {
    $admin->page('Poll administration', '<p class="norvelpoll-error">'
        . NorvelPoll1::escape($error->getMessage()) . "</p>\n", 500);
}

$admin->page('Poll administration',
    $admin->poll->resultsHtml($current, (int) $admin->poll->setting('wpic'), 'norvelpoll-results')
    . '<form method="post" action="' . NorvelPoll1::escape($admin->url('process.php')) . "\">\n"
    . "<fieldset>\n<legend>Reset the votes</legend>\n"
    . "<p>Sets every count to zero. The question and the answers stay.</p>\n"
    . '<input type="hidden" name="action" value="reset">' . $admin->tokenField() . "\n"
    . "<p><input type=\"submit\" value=\"Reset votes to zero\"></p>\n"
    . "</fieldset>\n</form>\n");
