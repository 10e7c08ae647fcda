<?php
/*
 * Norvel poll administration: the form that changes the question and the answers. The
 * change itself is made by process.php.
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
    $admin->page('Change the poll', '<p class="norvelpoll-error">'
        . NorvelPoll1::escape($error->getMessage()) . "</p>\n", 500);
}

$answers = implode("\n", array_column($current['answers'], 'text'));
$historyNote = $admin->poll->hasHistory()
    ? 'The poll as it stands, with its votes, goes into the history.'
    : 'The poll keeps no history: its votes will be gone.';
$admin->page('Change the poll',
    '<form method="post" action="' . NorvelPoll1::escape($admin->url('process.php')) . "\">\n"
    . "<fieldset>\n<legend>New question and answers</legend>\n"
    . "<p><label for=\"question\">Question</label>\n"
    . '<input type="text" id="question" name="question" required maxlength="1000" value="'
    . NorvelPoll1::escape($current['question']) . "\"></p>\n"
    . "<p><label for=\"answers\">Answers, one on each line</label>\n"
    . '<textarea id="answers" name="answers" rows="8" required>' . NorvelPoll1::escape($answers)
    . "</textarea></p>\n"
    . '<p>Changed texts start a new poll with no votes. ' . NorvelPoll1::escape($historyNote) . "</p>\n"
    . '<input type="hidden" name="action" value="change">' . $admin->tokenField() . "\n"
    . "<p><input type=\"submit\" value=\"Change the poll\"></p>\n"
    . "</fieldset>\n</form>\n");
