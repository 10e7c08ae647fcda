<?php
/*
 * Norvel poll: receives a vote from the voting form.
 *
 * POST fields: vote (the index of the answer's count in the poll data string: 2 for the first
 * answer, 4 for the second, ...), poll (the poll's identity when the form was shown) and back
 * (the page to return to). A visitor whose cookie shows a vote for this poll is refused and
 * nothing is counted. After the vote the visitor goes back to the page, at the poll, which
 * then shows the results in place of the form, or to the results page, as the poll is set up.
 * A refusal is a short page that says why, with a link back.
 */
declare(strict_types=1);

$poll = (static function (): NorvelPoll1 {
    $norvelPollAsLibrary = true;
    return require __DIR__ . '/vote.php';
})();

header('Cache-Control: no-store');
$back = NorvelPoll1::localPath(NorvelPoll1::field($_POST, 'back', 2000) ?? '');
// A refusal leads back to the page with the poll, or else to the results.
$backLink = $back ?? $poll->url('results.php');
if (($_SERVER['REQUEST_METHOD'] ?? '') !== 'POST') {
    header('Allow: POST');
    NorvelPoll1::fail(405, 'Votes are sent with the poll\'s form (POST).', $backLink, 'See the results');
}

$vote = NorvelPoll1::field($_POST, 'vote', 4);
$identity = NorvelPoll1::field($_POST, 'poll', 64);
if ($vote === null || $identity === null || !preg_match('/^[0-9]{1,4}$/', $vote)) {
    NorvelPoll1::fail(400, 'This is not a vote: choose an answer and press the vote button.', $backLink);
}
$countIndex = (int) $vote;

try {
    $current = $poll->readPoll();
    if ($countIndex < 2 || $countIndex % 2 !== 0 || $countIndex / 2 > count($current['answers'])) {
        NorvelPoll1::fail(400, 'There is no such answer in this poll.', $backLink);
    }
    if ($identity !== NorvelPoll1::identity($current)) {
        NorvelPoll1::fail(409, 'The poll has changed since the form was shown. Please vote again.', $backLink);
    }
    if ($poll->hasVoted($current)) {
        NorvelPoll1::fail(403, 'You have already voted in this poll. Your vote was not counted again.', $backLink);
    }

    $refused = $poll->castVote($countIndex, $identity);
    if ($refused !== null) {
        NorvelPoll1::fail(409, $refused, $backLink);
    }
} catch (NorvelPollDataError $error) {
    NorvelPoll1::fail(500, $error->getMessage(), $backLink);
}

$poll->rememberVote($current);
// Back at the poll itself, which then holds the results and the thanks.
$next = $poll->showsResultsAfterVote() && $back !== null
    ? strtok($back, '#') . '#' . $poll->formId()
    : $poll->url('results.php') . '#norvelpoll-result';
header('Location: ' . $next, true, 303);
header('Content-Type: text/html; charset=utf-8');
echo '<!DOCTYPE html><title>Poll</title><p>Thank you: your vote was counted. <a href="',
    NorvelPoll1::escape($next), '">Continue</a></p>', "\n";
