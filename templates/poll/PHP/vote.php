<?php
/*
 * Norvel poll: the voting form, and the library the poll's other scripts share.
 *
 * A page shows the poll with <? include("DIR/vote.php"); ?>. The include runs with the page's
 * working directory and in the page's variable scope, so every path here is built from
 * __DIR__ and nothing is left in the page's variables. The scripts beside this file
 * (process.php, results.php, vote_js.php, admin/) require it with $norvelPollAsLibrary set
 * to true: they get the NorvelPoll1 object and nothing is written.
 *
 * Data files: votes.htm holds one poll data string "question||answer1||count1||..." and
 * history.htm earlier ones, newest first, one per CRLF line. Every change takes the exclusive
 * lock on poll.lock; how votes and changes reach the disk is told at "changes" below. No
 * confirmed vote is lost when many visitors vote at once or the server crashes, and readers
 * never see a half-written file. The web server therefore needs to write in the poll folder, as
 * the permission notice says; a data file that is read-only is left alone and the change
 * refused.
 */
declare(strict_types=1);

if (!class_exists('NorvelPoll1', false)) {
    final class NorvelPollDataError extends RuntimeException
    {
    }

    final class NorvelPoll1
    {
        private const VOTES_FILE = 'votes.htm';
        private const HISTORY_FILE = 'history.htm';
        private const LOCK_FILE = 'poll.lock';
        private const QUEUE_LOCK_FILE = 'queue.lock';
        private const QUEUE_FILE = 'votes.queue.php';
        private const TAKEN_FILE = 'votes.taken.php';
        private const JOURNAL_FILE = 'votes.journal.php';
        // Past this size the journal starts again from the poll as it stands.
        private const JOURNAL_LIMIT = 16384;
        // Votes rewrite votes.htm in place when it is at most one page: such a write is never
        // cut in two by a killed process.
        private const IN_PLACE_LIMIT = 4096;
        // A file the server runs as a script shows nothing, however it is asked for.
        private const GUARD = "<?php exit; ?>\n";
        private const MAX_COOKIE_DAYS = 3650.0;

        /** @param array<string,string> $settings the poll editor's values */
        public function __construct(public readonly string $folder, private array $settings)
        {
        }

        public function setting(string $name): string
        {
            return $this->settings[$name] ?? '';
        }

        public static function escape(string $text): string
        {
            return htmlspecialchars($text, ENT_QUOTES | ENT_SUBSTITUTE | ENT_HTML5, 'UTF-8');
        }

        /** Sends a header unless the including page has already started its output. */
        public static function header(string $line): void
        {
            if (!headers_sent()) {
                header($line);
            }
        }

        /**
         * Ends the request with a short page that says what went wrong and links back to
         * $backUrl, a path on this site.
         */
        public static function fail(int $status, string $message, string $backUrl, string $backText = 'Back'): never
        {
            if (!headers_sent()) {
                http_response_code($status);
                header('Content-Type: text/html; charset=utf-8');
                header('Cache-Control: no-store');
            }
            echo "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                . "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                . "<meta name=\"robots\" content=\"noindex\">\n<title>Poll</title>\n</head>\n<body>\n<main>\n"
                . '<p class="norvelpoll-error" role="alert">' . self::escape($message) . "</p>\n"
                . '<p><a href="' . self::escape($backUrl) . '">' . self::escape($backText) . "</a></p>\n"
                . "</main>\n</body>\n</html>\n";
            exit;
        }

        /**
         * A request field that is one string of at most $maxLength bytes of UTF-8, or null
         * (missing, an array such as back[]=x, too long, or not text).
         */
        public static function field(array $source, string $name, int $maxLength): ?string
        {
            $value = $source[$name] ?? null;
            $fits = is_string($value) && strlen($value) <= $maxLength && preg_match('//u', $value) === 1;
            return $fits ? $value : null;
        }

        // ---- poll data strings

        /**
         * Splits a poll data string; null when it is not one (no question, no answer, an
         * answer without a count, a count that is not a whole number, or a NUL byte).
         * @return ?array{question:string, answers:list<array{text:string,count:int}>}
         */
        public static function parse(string $data): ?array
        {
            $fields = explode('||', rtrim($data, "\r\n"));
            if (count($fields) % 2 === 0 || count($fields) < 3 || $fields[0] === '' || str_contains($data, "\0")) {
                return null;
            }
            $answers = [];
            for ($i = 1; $i < count($fields); $i += 2) {
                $count = trim($fields[$i + 1]);
                if (!preg_match('/^[0-9]{1,15}$/', $count)) {
                    return null;
                }
                $answers[] = ['text' => self::decodeText($fields[$i]), 'count' => (int) $count];
            }
            return ['question' => self::decodeText($fields[0]), 'answers' => $answers];
        }

        /**
         * The data files hold "&", "<" and ">" of the texts as character references, so a file
         * reads back as the same text as a page's text too (the poll editor reads it so).
         * Older files hold plain text, which reads the same.
         */
        public static function decodeText(string $text): string
        {
            return html_entity_decode($text, ENT_QUOTES | ENT_HTML5, 'UTF-8');
        }

        public static function encodeText(string $text): string
        {
            return str_replace(['&', '<', '>'], ['&amp;', '&lt;', '&gt;'], $text);
        }

        public static function format(array $poll): string
        {
            $fields = [self::encodeText($poll['question'])];
            foreach ($poll['answers'] as $answer) {
                $fields[] = self::encodeText($answer['text']);
                $fields[] = (string) $answer['count'];
            }
            return implode('||', $fields);
        }

        /** Question and answer texts, without the counts: what a vote cookie is bound to. */
        public static function identity(array $poll): string
        {
            $texts = [$poll['question']];
            foreach ($poll['answers'] as $answer) {
                $texts[] = $answer['text'];
            }
            return substr(hash('sha256', implode("\n", $texts)), 0, 20);
        }

        public static function total(array $poll): int
        {
            return array_sum(array_column($poll['answers'], 'count'));
        }

        /** To the nearest whole number, halves to the even one, as the editor's preview. */
        public static function roundHalfEven(float $value): int
        {
            $floor = floor($value);
            $fraction = $value - $floor;
            if ($fraction > 0.5 || ($fraction === 0.5 && fmod($floor, 2.0) !== 0.0)) {
                $floor += 1.0;
            }
            return (int) $floor;
        }

        // ---- files

        public function path(string $file): string
        {
            return $this->folder . DIRECTORY_SEPARATOR . $file;
        }

        /** The text of votes.htm, read under a shared lock: votes rewrite it in place. */
        private function readVotesText(): ?string
        {
            $file = @fopen($this->path(self::VOTES_FILE), 'rb');
            if ($file === false) {
                return null;
            }
            flock($file, LOCK_SH);
            $text = stream_get_contents($file);
            flock($file, LOCK_UN);
            fclose($file);
            return is_string($text) ? $text : null;
        }

        public function readPoll(): array
        {
            $data = $this->readVotesText();
            if ($data === null) {
                throw new NorvelPollDataError('The poll data file votes.htm is missing.');
            }
            // After a crash of the machine votes.htm may be cut short until the next vote
            // restores it from the journal; until then the journal is read.
            $records = self::parse($data) === null ? $this->journalRecords() : [];
            $poll = self::parse($data) ?? self::parse((string) end($records));
            if ($poll === null) {
                throw new NorvelPollDataError('The poll data file votes.htm is damaged.');
            }
            return $poll;
        }

        public function hasHistory(): bool
        {
            return is_file($this->path(self::HISTORY_FILE));
        }

        /** @return list<string> the earlier polls' data strings, newest first */
        public function readHistory(): array
        {
            $text = @file_get_contents($this->path(self::HISTORY_FILE));
            if ($text === false || $text === '') {
                return [];
            }
            return array_values(array_filter(explode("\r\n", $text), fn ($line) => $line !== ''));
        }

        // ---- changes
        //
        // A vote waits in the queue votes.queue.php (appended under queue.lock, after checking
        // that the poll is still the one voted on). Whoever holds poll.lock next takes the
        // whole queue (renamed to votes.taken.php), adds the poll with all its votes to the
        // journal votes.journal.php, syncs it, rewrites votes.htm in place and marks the batch
        // done: a burst of voters shares one disk flush. A voter keeps its queue file open and
        // knows its vote is on disk once the file is gone and ends in "done". After a crash
        // the next batch mends votes.htm from the journal, and a batch that a crash
        // interrupted carries the digest of the votes.htm it was applied to, so it is never
        // counted twice. Admin changes, and polls too long for one write, replace the files
        // (temporary file, synced, renamed, folder synced) and start the journal again.

        private function openLock(string $file)
        {
            $lock = @fopen($this->path($file), 'c');
            if ($lock === false) {
                throw new NorvelPollDataError('The poll folder is not writable by the web server, '
                    . 'so the poll cannot be saved. Give the web server write permission on the poll folder.');
            }
            if (!flock($lock, LOCK_EX)) {
                fclose($lock);
                throw new NorvelPollDataError('The poll data could not be locked.');
            }
            return $lock;
        }

        private static function closeLock($lock): void
        {
            flock($lock, LOCK_UN);
            fclose($lock);
        }

        /**
         * The poll data strings in the journal, oldest first; each record is "length digest",
         * a line break, the text and a line break. A record cut short by a crash ends the list.
         * @return list<string>
         */
        private function journalRecords(): array
        {
            $text = @file_get_contents($this->path(self::JOURNAL_FILE));
            $records = [];
            $at = strlen(self::GUARD);
            while (is_string($text) && $at < strlen($text)) {
                $lineEnd = strpos($text, "\n", $at);
                if ($lineEnd === false || preg_match('/^([0-9]{1,9}) ([0-9a-f]{16})$/', substr($text, $at, $lineEnd - $at), $head) !== 1) {
                    break;
                }
                $record = substr($text, $lineEnd + 1, (int) $head[1]);
                if (strlen($record) !== (int) $head[1] || substr(hash('sha256', $record), 0, 16) !== $head[2]) {
                    break;
                }
                $records[] = $record;
                $at = $lineEnd + 1 + strlen($record) + 1;
            }
            return $records;
        }

        /** Adds $text to the journal and syncs it; with $restart the journal holds only it. */
        private function journal(string $text, bool $restart): void
        {
            $path = $this->path(self::JOURNAL_FILE);
            $created = !file_exists($path);
            $journal = @fopen($path, 'cb');
            $record = strlen($text) . ' ' . substr(hash('sha256', $text), 0, 16) . "\n" . $text . "\n";
            $ok = $journal !== false && fseek($journal, 0, SEEK_END) === 0;
            if ($ok && ($restart || ftell($journal) < strlen(self::GUARD))) {
                $ok = ftruncate($journal, 0) && rewind($journal) && fwrite($journal, self::GUARD) === strlen(self::GUARD);
            }
            $ok = $ok && @fwrite($journal, $record) === strlen($record) && fflush($journal) && fdatasync($journal);
            if ($journal !== false) {
                fclose($journal);
            }
            if (!$ok) {
                throw new NorvelPollDataError('The poll journal could not be written (is the disk full?).');
            }
            if ($created) {
                $this->syncFolder();
            }
        }

        /**
         * Under poll.lock: the text of votes.htm, mended after a crash. votes.htm normally
         * equals the journal's last record. An earlier record, or a text that is no poll, was
         * left by a crash: the last record is written back. Any other poll was written by
         * someone else (the editor, or by hand) and is taken as it is.
         */
        private function currentVotesText(): string
        {
            $text = $this->readVotesText();
            if ($text === null) {
                throw new NorvelPollDataError('The poll data file votes.htm is missing.');
            }
            $records = $this->journalRecords();
            $last = end($records);
            if ($last === $text) {
                return $text;
            }
            if (self::parse($text) !== null && !in_array($text, $records, true)) {
                $this->journal($text, true);
                return $text;
            }
            if ($last === false) {
                throw new NorvelPollDataError('The poll data file votes.htm is damaged.');
            }
            $this->requireWritable(self::VOTES_FILE);
            $this->replaceFile(self::VOTES_FILE, $last);
            $this->syncFolder();
            return $last;
        }

        /** Rewrites votes.htm in place with a text no shorter, under its exclusive lock. */
        private function overwriteVotes(string $text): void
        {
            $file = @fopen($this->path(self::VOTES_FILE), 'cb');
            if ($file === false) {
                throw new NorvelPollDataError('votes.htm could not be written.');
            }
            flock($file, LOCK_EX);
            stream_set_write_buffer($file, 0);
            $written = @fwrite($file, $text);
            flock($file, LOCK_UN);
            fclose($file);
            if ($written !== strlen($text)) {
                throw new NorvelPollDataError('votes.htm could not be written (is the disk full?).');
            }
        }

        /**
         * Counts a vote for the answer whose count has index $countIndex (2, 4, ...) in the
         * poll with $identity. Returns once the vote is on disk: null, or why it was refused.
         */
        public function castVote(int $countIndex, string $identity): ?string
        {
            $queueLock = $this->openLock(self::QUEUE_LOCK_FILE);
            try {
                // Checked under the queue lock: a change of the poll holds it too.
                $current = $this->readPoll();
                if (self::identity($current) !== $identity) {
                    return 'The poll has changed since the form was shown. Please vote again.';
                }
                if ($countIndex < 2 || $countIndex % 2 !== 0 || $countIndex / 2 > count($current['answers'])) {
                    return 'There is no such answer in this poll.';
                }
                $queue = @fopen($this->path(self::QUEUE_FILE), 'ab+');
                $record = "$identity $countIndex\n";
                if ($queue === false || (fstat($queue)['size'] === 0 && fwrite($queue, self::GUARD) !== strlen(self::GUARD))
                    || fwrite($queue, $record) !== strlen($record) || !fflush($queue)) {
                    throw new NorvelPollDataError('The vote could not be saved (is the disk full?).');
                }
            } finally {
                self::closeLock($queueLock);
            }
            try {
                $lock = $this->openLock(self::LOCK_FILE);
                try {
                    if (fstat($queue)['nlink'] > 0) {
                        $this->writeQueuedVotes(null);
                    }
                } finally {
                    self::closeLock($lock);
                }
                fseek($queue, -5, SEEK_END);
                if (fstat($queue)['nlink'] > 0 || fread($queue, 5) !== "done\n") {
                    throw new NorvelPollDataError('The vote could not be saved. Please try again later.');
                }
                return null;
            } finally {
                fclose($queue);
            }
        }

        /**
         * Under poll.lock: finishes a batch a crash left, then writes the queued votes. With
         * $change (which must run with the queue lock held) the change is made on the poll with
         * those votes, and written with them.
         */
        private function writeQueuedVotes(?callable $change): void
        {
            $this->removeLeftovers();
            if (file_exists($this->path(self::TAKEN_FILE))) {
                $this->writeTakenVotes(null);
            }
            $queueLock = $change === null ? $this->openLock(self::QUEUE_LOCK_FILE) : null;
            try {
                $taken = file_exists($this->path(self::QUEUE_FILE))
                    && @rename($this->path(self::QUEUE_FILE), $this->path(self::TAKEN_FILE));
            } finally {
                if ($queueLock !== null) {
                    self::closeLock($queueLock);
                }
            }
            if ($taken || $change !== null) {
                $this->writeTakenVotes($change);
            }
        }

        /** Writes the votes of votes.taken.php (if any) and $change, then ends the batch. */
        private function writeTakenVotes(?callable $change): void
        {
            $takenPath = $this->path(self::TAKEN_FILE);
            $taken = file_exists($takenPath) ? @fopen($takenPath, 'rb+') : null;
            if ($taken === false) {
                throw new NorvelPollDataError('The waiting votes could not be read.');
            }
            try {
                $votesText = $this->currentVotesText();
                $digest = hash('sha256', $votesText);
                $records = $taken !== null ? explode("\n", (string) stream_get_contents($taken)) : [];
                $doneBefore = false;
                foreach ($records as $line) {
                    if (str_starts_with($line, 'applied to ')) {
                        $doneBefore = substr($line, 11) !== $digest;
                    }
                }
                if ($doneBefore && $change === null) {
                    $this->endBatch($taken, 'done');
                    return;
                }
                $poll = self::parse($votesText);
                if ($poll === null) {
                    throw new NorvelPollDataError('The poll data file votes.htm is damaged.');
                }
                $history = $this->readHistory();
                $oldHistory = $history;
                $counted = false;
                if (!$doneBefore) {
                    $identity = self::identity($poll);
                    foreach ($records as $line) {
                        // A vote for a poll that has been replaced (by the editor) is not counted.
                        if (preg_match('/^([0-9a-f]{20}) ([0-9]{1,4})$/', $line, $vote) === 1 && $vote[1] === $identity
                            && (int) $vote[2] / 2 <= count($poll['answers'])) {
                            $poll['answers'][(int) $vote[2] / 2 - 1]['count'] += 1;
                            $counted = true;
                        }
                    }
                }
                $changed = $change !== null ? $change($poll, $history) : null;
                $newPoll = $changed ?? ($counted ? $poll : null);
                $writesHistory = $history !== $oldHistory && $this->hasHistory();
                // Both checked before either is written: a refused change changes nothing.
                if ($newPoll !== null) {
                    $this->requireWritable(self::VOTES_FILE);
                }
                if ($writesHistory) {
                    $this->requireWritable(self::HISTORY_FILE);
                }
                if ($taken !== null && $newPoll !== null) {
                    fseek($taken, 0, SEEK_END);
                    fwrite($taken, "\napplied to $digest\n");
                    fflush($taken);
                }
                $newText = $newPoll !== null ? self::format($newPoll) : null;
                if ($newText !== null && $changed === null && strlen($newText) >= strlen($votesText)
                    && strlen($newText) <= self::IN_PLACE_LIMIT) {
                    // Votes only: durable once in the journal; votes.htm follows in place.
                    $this->journal($newText, false);
                    $this->overwriteVotes($newText);
                    if (filesize($this->path(self::JOURNAL_FILE)) > self::JOURNAL_LIMIT) {
                        $this->syncFile(self::VOTES_FILE);
                        $this->journal($newText, true);
                    }
                } elseif ($newText !== null || $writesHistory) {
                    if ($writesHistory) {
                        $this->replaceFile(self::HISTORY_FILE, implode("\r\n", $history));
                    }
                    if ($newText !== null) {
                        $this->replaceFile(self::VOTES_FILE, $newText);
                    }
                    $this->syncFolder();
                    if ($newText !== null) {
                        $this->journal($newText, true);
                    }
                }
                $this->endBatch($taken, 'done');
            } catch (NorvelPollDataError $error) {
                // The voters waiting for this batch are told it failed; their votes are dropped.
                $this->endBatch($taken, 'failed');
                throw $error;
            }
        }

        private function endBatch($taken, string $outcome): void
        {
            if ($taken === null) {
                return;
            }
            fseek($taken, 0, SEEK_END);
            fwrite($taken, "\n$outcome\n");
            fflush($taken);
            fclose($taken);
            @unlink($this->path(self::TAKEN_FILE));
        }

        /**
         * Runs $change(poll, history) on the freshly read data, with the waiting votes counted,
         * holding both locks so no vote can be queued meanwhile. It returns the new poll (or
         * null to leave votes.htm alone) and may change $history, which is written back when
         * history.htm exists. History is written before votes, so a change that fails half-way
         * leaves the old poll in votes.htm and can be retried.
         */
        public function update(callable $change): void
        {
            $lock = $this->openLock(self::LOCK_FILE);
            try {
                $queueLock = $this->openLock(self::QUEUE_LOCK_FILE);
                try {
                    $this->writeQueuedVotes($change);
                } finally {
                    self::closeLock($queueLock);
                }
            } finally {
                self::closeLock($lock);
            }
        }

        private function temporaryPath(string $file): string
        {
            return $this->path($file . '.tmp');
        }

        /** Only the lock holder writes temporary files: any found now were left by a crash. */
        private function removeLeftovers(): void
        {
            foreach ([self::VOTES_FILE, self::HISTORY_FILE] as $file) {
                if (file_exists($this->temporaryPath($file))) {
                    @unlink($this->temporaryPath($file));
                }
            }
        }

        private function requireWritable(string $file): void
        {
            $target = $this->path($file);
            if (file_exists($target) && !is_writable($target)) {
                throw new NorvelPollDataError("The poll data file $file is read-only, so the change "
                    . 'was not saved. Give the web server write permission on it.');
            }
        }

        private function replaceFile(string $file, string $content): void
        {
            $target = $this->path($file);
            $temporary = $this->temporaryPath($file);
            $handle = @fopen($temporary, 'xb');
            if ($handle === false) {
                throw new NorvelPollDataError("The poll folder is not writable: $file was not saved.");
            }
            $written = @fwrite($handle, $content);
            $flushed = $written === strlen($content) && @fflush($handle) && @fsync($handle);
            fclose($handle);
            // The replacement keeps the permissions the author gave the file.
            $mode = file_exists($target) ? (fileperms($target) & 0777) : 0644;
            if (!$flushed || !@chmod($temporary, $mode) || !@rename($temporary, $target)) {
                @unlink($temporary);
                throw new NorvelPollDataError("$file could not be written (is the disk full?). "
                    . 'Please try again later.');
            }
        }

        private function syncFile(string $file): void
        {
            $handle = @fopen($this->path($file), 'rb');
            $synced = $handle !== false && @fsync($handle);
            if ($handle !== false) {
                fclose($handle);
            }
            if (!$synced) {
                throw new NorvelPollDataError('The poll data could not be saved to disk.');
            }
        }

        /** Makes the renames durable; a vote is only confirmed once they are. */
        private function syncFolder(): void
        {
            $folder = @fopen($this->folder, 'r');
            $synced = $folder !== false && @fsync($folder);
            if ($folder !== false) {
                fclose($folder);
            }
            if (!$synced) {
                throw new NorvelPollDataError('The poll data could not be saved to disk.');
            }
        }

        // ---- visitors

        public function cookieName(): string
        {
            return 'nvpoll_' . substr(hash('sha256', $this->folder), 0, 16);
        }

        public function hasVoted(array $poll): bool
        {
            return ($_COOKIE[$this->cookieName()] ?? '') === self::identity($poll);
        }

        /** Seconds the vote cookie lives; 0 for a cookie that ends with the browser session. */
        public function cookieLifetime(): int
        {
            $days = trim($this->setting('c'));
            $days = is_numeric($days) ? (float) $days : 30.0;
            if (!is_finite($days) || $days <= 0.0) {
                return 0;
            }
            return max(1, (int) round(min($days, self::MAX_COOKIE_DAYS) * 86400.0));
        }

        public function rememberVote(array $poll): void
        {
            $lifetime = $this->cookieLifetime();
            setcookie($this->cookieName(), self::identity($poll), [
                'expires' => $lifetime > 0 ? time() + $lifetime : 0,
                'path' => self::joinUrl(dirname($this->urlPath()), ''),
                'secure' => self::isHttps(),
                'httponly' => true,
                'samesite' => 'Lax',
            ]);
        }

        public function showsResultsAfterVote(): bool
        {
            return trim($this->setting('return')) === '1';
        }

        public function opensNewWindow(): bool
        {
            return str_contains($this->setting('target'), '_blank');
        }

        // ---- addresses

        public static function isHttps(): bool
        {
            return !empty($_SERVER['HTTPS']) && $_SERVER['HTTPS'] !== 'off';
        }

        public static function joinUrl(string $folder, string $name): string
        {
            return rtrim(str_replace('\\', '/', $folder), '/') . '/' . $name;
        }

        /** The URL path of the poll folder, from whichever script is running. */
        public function urlPath(): string
        {
            $scriptUrl = (string) ($_SERVER['SCRIPT_NAME'] ?? '');
            $scriptFolder = realpath(dirname((string) ($_SERVER['SCRIPT_FILENAME'] ?? '')));
            $scriptUrlFolder = rtrim(str_replace('\\', '/', dirname($scriptUrl)), '/');
            $ownName = rawurlencode(basename($this->folder));
            if ($scriptFolder === $this->folder) {
                return $scriptUrlFolder;
            }
            if ($scriptFolder === $this->path('admin')) {
                return rtrim(str_replace('\\', '/', dirname($scriptUrlFolder)), '/');
            }
            // A page beside the poll folder (or, failing that, its name relative to the page).
            return $scriptFolder === dirname($this->folder) ? $scriptUrlFolder . '/' . $ownName : $ownName;
        }

        public function url(string $file): string
        {
            return self::joinUrl($this->urlPath(), $file);
        }

        /** A path on this site to go back to after a vote, or null when it is not one. */
        public static function localPath(string $path): ?string
        {
            $isLocal = preg_match('#^/(?![/\\\\])[^\x00-\x20\x7f]*$#', $path) === 1;
            return $isLocal && strlen($path) <= 2000 ? $path : null;
        }

        // ---- markup

        /** The id of the voting form, the same on every page, so a script can find it. */
        public function formId(): string
        {
            return 'nvpoll-' . substr(hash('sha256', $this->folder), 0, 10);
        }

        /** The voting form; $back is the page to return to (empty: set later by script). */
        public function formHtml(array $poll, string $back): string
        {
            $id = $this->formId();
            $target = $this->opensNewWindow() ? ' target="_blank"' : '';
            $html = '<div class="norvelpoll norvelpoll-vote">' . "\n"
                . '<form id="' . $id . '" method="post" action="' . self::escape($this->url('process.php')) . '"' . $target . ">\n"
                . "<fieldset>\n"
                . '<legend class="questionx">' . self::escape($poll['question']) . "</legend>\n"
                . '<div class="norvelpoll-answers">' . "\n";
            foreach ($poll['answers'] as $index => $answer) {
                $value = 2 * $index + 2;
                $html .= '<div class="norvelpoll-answer"><input type="radio" name="vote" value="' . $value
                    . '" id="' . $id . '-' . $value . '" required> <label for="' . $id . '-' . $value
                    . '" class="responsex">' . self::escape($answer['text']) . "</label></div>\n";
            }
            return $html . "</div>\n"
                . '<input type="hidden" name="poll" value="' . self::identity($poll) . '">' . "\n"
                . '<input type="hidden" name="back" value="' . self::escape($back) . '">' . "\n"
                . '<div class="norvelpoll-buttons"><input type="submit" class="votebuttonx" value="'
                . self::escape($this->setting('buttonlabel')) . '"></div>' . "\n"
                . $this->resultsLinkHtml($target)
                . "</fieldset>\n</form>\n</div>\n";
        }

        private function resultsLinkHtml(string $target): string
        {
            return '<p class="norvelpoll-link"><a href="' . self::escape($this->url('results.php')) . '"'
                . $target . '>' . self::escape($this->setting('link')) . "</a></p>\n";
        }

        /** The results table with bars of at most $barWidth pixels. */
        public function resultsHtml(array $poll, int $barWidth, string $boxClass): string
        {
            $total = self::total($poll);
            $divisor = (float) max($total, 1);
            $html = '<div class="norvelpoll ' . $boxClass . '">' . "\n"
                . '<table class="norvelpoll-table">' . "\n"
                . '<caption class="questionx">' . self::escape($poll['question']) . "</caption>\n";
            foreach ($poll['answers'] as $answer) {
                $share = (float) $answer['count'] / $divisor;
                $html .= '<tr><th scope="row" class="responsex">' . self::escape($answer['text']) . '</th>'
                    . '<td class="norvelpoll-bar"><img src="' . self::escape($this->url('bar.gif'))
                    . '" width="' . self::roundHalfEven($share * $barWidth) . '" height="10" alt=""></td>'
                    . '<td class="responsex norvelpoll-percent">' . self::roundHalfEven($share * 100.0) . '%</td>'
                    . '<td class="responsex norvelpoll-count">' . $answer['count'] . "</td></tr>\n";
            }
            return $html . '<tr><td colspan="4" class="responsex norvelpoll-total">Total votes: ' . $total
                . "</td></tr>\n</table>\n</div>\n";
        }

        /**
         * The thank-you line after a vote. It is a status message, and the element with
         * $focusId (the thanks or the box around it) takes the focus when the address names
         * it, so a reader is taken to the result and hears that the vote was taken.
         */
        public function thanksHtml(string $focusId = ''): string
        {
            $html = '<p class="responsex norvelpoll-thanks" role="status"'
                . ($focusId !== '' ? ' id="' . $focusId . '-thanks"' : '') . '>'
                . self::escape($this->setting('thankyou')) . "</p>\n";
            return $html;
        }

        /** A script that focuses the element $id when the address ends in #$id. */
        public static function focusScript(string $id): string
        {
            $quoted = json_encode($id, JSON_HEX_TAG | JSON_HEX_AMP | JSON_HEX_APOS | JSON_HEX_QUOT);
            return '<script>(function () { var e = document.getElementById(' . $quoted . '); '
                . 'if (e && window.location.hash === "#" + ' . $quoted . ') { e.focus(); } })();</script>' . "\n";
        }

        /** What a page shows: the results in place of the form once voted, if so set up. */
        public function boxHtml(string $back): string
        {
            $poll = $this->readPoll();
            if ($this->showsResultsAfterVote() && $this->hasVoted($poll)) {
                $id = $this->formId();
                return '<div class="norvelpoll-voted" id="' . $id . '" tabindex="-1" aria-labelledby="'
                    . $id . '-thanks">' . "\n"
                    . $this->thanksHtml($id)
                    . $this->resultsHtml($poll, (int) $this->setting('wpic2'), 'norvelpoll-vote')
                    . $this->resultsLinkHtml($this->opensNewWindow() ? ' target="_blank"' : '')
                    . "</div>\n" . self::focusScript($id);
            }
            return $this->formHtml($poll, $back);
        }

        /** Entry point of this file: builds the poll, and shows it unless used as a library. */
        public static function start(string $folder, array $settings, bool $asLibrary): self
        {
            $poll = new self((string) realpath($folder), array_map('strval', $settings));
            if (!$asLibrary) {
                try {
                    $back = self::localPath((string) ($_SERVER['REQUEST_URI'] ?? '')) ?? '';
                    $html = $poll->boxHtml($back);
                    self::header('Cache-Control: no-store');
                    echo $html;
                } catch (NorvelPollDataError $error) {
                    echo '<p class="norvelpoll-error">', self::escape($error->getMessage()), "</p>\n";
                }
            }
            return $poll;
        }
    }
}

// The values the poll editor filled in, each written by the generator as a PHP string
// expression that no text can leave.
return NorvelPoll1::start(__DIR__, [
    'thankyou' => <*thankyou*>,
    'buttonlabel' => <*buttonlabel*>,
    'link' => <*link*>,
    'return' => <*return*>,
    'target' => <*target*>,
    'c' => <*c*>,
    'wpic' => <*wpic*>,
    'wpic2' => <*wpic2*>,
], isset($norvelPollAsLibrary) && $norvelPollAsLibrary === true);
