<?php
/*
 * Norvel poll administration: carries out the forms of home.php (reset the votes) and
 * change.php (new question and answers; the poll as it stood goes on top of the history).
 * A change writes the history first and then the votes; when the votes could not be written,
 * the history already holds the poll as it stands, and a retry does not add it twice.
 */
declare(strict_types=1);

$admin = (static function (): NorvelPollAdmin1 {
    $norvelPollAdminAsLibrary = true;
    return require __DIR__ . '/index.php';
})();
$admin->checkPost();
$admin->requireLogin();

/** A text of the poll, or null when it cannot be stored in a poll data string. */
function norvelPollAdminText(string $text): ?string
{
    $text = trim($text);
    $fits = $text !== '' && strlen($text) <= 1000 && !str_contains($text, '||')
        && preg_match('/[\x00-\x1f\x7f]/', $text) !== 1 && preg_match('//u', $text) === 1;
    return $fits ? $text : null;
}

$action = NorvelPoll1::field($_POST, 'action', 20);
try {
    if ($action === 'reset') {
        $admin->poll->update(function (array $current): array {
            foreach ($current['answers'] as &$answer) {
                $answer['count'] = 0;
            }
            return $current;
        });
        $admin->flash('The votes were reset to zero.');
        $admin->redirect('home.php');
    }
    if ($action === 'change') {
        $question = norvelPollAdminText(NorvelPoll1::field($_POST, 'question', 4000) ?? '');
        $lines = preg_split('/\r\n|\r|\n/', NorvelPoll1::field($_POST, 'answers', 200000) ?? '');
        $lines = array_values(array_filter($lines, fn ($line) => trim($line) !== ''));
        $answers = array_map('norvelPollAdminText', $lines);
        if ($question === null || $answers === [] || count($answers) > 100 || in_array(null, $answers, true)) {
            $admin->fail(400, 'The question and each answer must be a line of text of at most 1000 '
                . 'characters without "||"; at least one answer is needed.');
        }
        $new = ['question' => $question, 'answers' => array_map(fn ($text) => ['text' => $text, 'count' => 0], $answers)];
        $changed = false;
        $admin->poll->update(function (array $current, array &$history) use ($new, &$changed): ?array {
            if (NorvelPoll1::identity($current) === NorvelPoll1::identity($new)) {
                return null;
            }
            $old = NorvelPoll1::format($current);
            // A change that failed after the history was written left the poll on top of it.
            if (($history[0] ?? null) !== $old) {
                array_unshift($history, $old);
            }
            // Lines of older files are stored again as the scripts store texts now.
            $history = array_map(function (string $line): string {
                $earlier = NorvelPoll1::parse($line);
                return $earlier === null ? $line : NorvelPoll1::format($earlier);
            }, $history);
            $changed = true;
            return $new;
        });
        $admin->flash($changed ? 'The poll was changed.' : 'Nothing to change: the question and the answers are the same.');
        $admin->redirect('home.php');
    }
} catch (NorvelPollDataError $error) {
    $admin->fail(500, $error->getMessage());
}
$admin->fail(400, 'Unknown action.');
