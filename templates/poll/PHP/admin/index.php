<?php
/*
 * Norvel poll administration: the start page, where the administrator logs in, and the
 * library of the other admin pages, which require it with $norvelPollAdminAsLibrary set to
 * true.
 *
 * The poll editor rewrites this page when a new password is given, so it is the only file
 * that holds the password, and only as a hash that password_verify checks. The other admin
 * pages are written once and never hold it.
 *
 * Protection: a session of its own per poll, whose cookie is HttpOnly, SameSite=Strict and
 * limited to this folder; a per-session token that every POST must carry; requests that a
 * browser marks as coming from another site are refused. Wrong passwords are counted in the
 * poll folder (login.throttle.php): after a few in a row logging in is locked for a while,
 * longer with every further wrong try. Nothing waits, so guessers hold up no server worker.
 */
declare(strict_types=1);

if (!class_exists('NorvelPollAdmin1', false)) {
    final class NorvelPollAdmin1
    {
        private const THROTTLE_FILE = 'login.throttle.php';
        // A file the server runs as a script shows nothing, however it is asked for.
        private const THROTTLE_HEADER = "<?php exit; ?>\n";
        private const FREE_TRIES = 5;
        private const FIRST_LOCK_SECONDS = 30;
        private const LONGEST_LOCK_SECONDS = 3600;

        public function __construct(public readonly NorvelPoll1 $poll, private string $passwordHash)
        {
        }

        public static function start(string $adminFolder, string $passwordHash, bool $asLibrary): self
        {
            $poll = (static function () use ($adminFolder): NorvelPoll1 {
                $norvelPollAsLibrary = true;
                return require dirname($adminFolder) . '/vote.php';
            })();
            $admin = new self($poll, trim($passwordHash));
            $admin->startSession();
            if (!$asLibrary) {
                $admin->startPage();
            }
            return $admin;
        }

        public function url(string $file): string
        {
            return $this->poll->url('admin/' . $file);
        }

        private function startSession(): void
        {
            header('Cache-Control: no-store');
            header('X-Frame-Options: DENY');
            header("Content-Security-Policy: frame-ancestors 'none'");
            header('Referrer-Policy: same-origin');
            ini_set('session.use_strict_mode', '1');
            ini_set('session.use_only_cookies', '1');
            session_name('NVPOLLADMIN' . substr(hash('sha256', $this->poll->folder), 0, 12));
            session_set_cookie_params([
                'lifetime' => 0,
                'path' => $this->url(''),
                'secure' => NorvelPoll1::isHttps(),
                'httponly' => true,
                'samesite' => 'Strict',
            ]);
            session_start();
            if (!isset($_SESSION['token']) || !is_string($_SESSION['token'])) {
                $_SESSION['token'] = bin2hex(random_bytes(32));
            }
        }

        public function isLoggedIn(): bool
        {
            return ($_SESSION['loggedIn'] ?? false) === true;
        }

        /** Sends a visitor who has not logged in to the start page. */
        public function requireLogin(): void
        {
            if ($this->isLoggedIn()) {
                return;
            }
            if (($_SERVER['REQUEST_METHOD'] ?? '') !== 'GET') {
                $this->fail(403, 'Please log in to the poll administration first.');
            }
            $this->redirect('index.php');
        }

        /** Refuses anything but a POST sent by a form of these pages in this session. */
        public function checkPost(): void
        {
            if (($_SERVER['REQUEST_METHOD'] ?? '') !== 'POST') {
                header('Allow: POST');
                $this->fail(405, 'This page only takes the administration forms (POST).');
            }
            $site = (string) ($_SERVER['HTTP_SEC_FETCH_SITE'] ?? 'same-origin');
            $origin = $_SERVER['HTTP_ORIGIN'] ?? null;
            $originHost = is_string($origin) ? parse_url($origin, PHP_URL_HOST) : null;
            $ownHost = parse_url('http://' . ($_SERVER['HTTP_HOST'] ?? ''), PHP_URL_HOST);
            $token = NorvelPoll1::field($_POST, 'token', 200);
            $crossSite = !in_array($site, ['same-origin', 'none'], true)
                || (is_string($origin) && $origin !== 'null' && $originHost !== $ownHost)
                || $origin === 'null';
            if ($crossSite || $token === null || !hash_equals($_SESSION['token'], $token)) {
                $this->fail(403, 'Refused: the form did not come from these administration pages '
                    . '(missing or wrong security token). Reload the page and try again.');
            }
        }

        public function tokenField(): string
        {
            return '<input type="hidden" name="token" value="' . NorvelPoll1::escape($_SESSION['token']) . '">';
        }

        /** A refusal page that leads back into the administration. */
        public function fail(int $status, string $message): never
        {
            $next = $this->isLoggedIn() ? 'home.php' : 'index.php';
            NorvelPoll1::fail($status, $message, $this->url($next), 'Back to the poll administration');
        }

        public function flash(string $message): void
        {
            $_SESSION['flash'] = $message;
        }

        public function redirect(string $file): never
        {
            header('Location: ' . $this->url($file), true, 303);
            exit;
        }

        /** Writes a whole admin page around $bodyHtml and ends the request. */
        public function page(string $title, string $bodyHtml, int $status = 200): never
        {
            http_response_code($status);
            header('Content-Type: text/html; charset=utf-8');
            $e = [NorvelPoll1::class, 'escape'];
            $flash = $_SESSION['flash'] ?? '';
            unset($_SESSION['flash']);
            echo "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                . "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                . "<meta name=\"robots\" content=\"noindex\">\n"
                . '<title>' . $e($title) . "</title>\n"
                . '<link rel="stylesheet" href="' . $e($this->poll->url('pollstyle.css')) . "\">\n"
                . "</head>\n<body>\n<main class=\"norvelpoll-admin\">\n<h1>" . $e($title) . "</h1>\n";
            if ($this->isLoggedIn()) {
                echo '<nav aria-label="Poll administration"><a href="' . $e($this->url('home.php')) . '">Poll</a> | '
                    . '<a href="' . $e($this->url('change.php')) . '">Change question and answers</a> | '
                    . '<a href="' . $e($this->url('history.php')) . '">History</a> | '
                    . '<a href="' . $e($this->url('logout.php')) . "\">Log out</a></nav>\n";
            }
            if (is_string($flash) && $flash !== '') {
                echo '<p class="norvelpoll-message" role="status">' . $e($flash) . "</p>\n";
            }
            echo $bodyHtml, "</main>\n</body>\n</html>\n";
            exit;
        }

        private function hasPassword(): bool
        {
            return str_starts_with($this->passwordHash, '$');
        }

        private function loginForm(): string
        {
            return '<form method="post" action="' . NorvelPoll1::escape($this->url('index.php')) . "\">\n"
                . "<fieldset>\n<legend>Log in</legend>\n"
                . "<p><label for=\"password\">Administration password</label>\n"
                . "<input type=\"password\" id=\"password\" name=\"password\" required autocomplete=\"current-password\"></p>\n"
                . $this->tokenField() . "\n<p><input type=\"submit\" value=\"Log in\"></p>\n"
                . "</fieldset>\n</form>\n";
        }

        private function lockedMessage(int $seconds): string
        {
            return 'Too many wrong passwords: logging in to this poll is locked for another '
                . $seconds . ' seconds. Please try again later.';
        }

        /**
         * Opens the count of wrong passwords under an exclusive lock and runs $use on it;
         * what $use returns as the second element is written back when not null.
         * @return mixed the first element of what $use returns
         */
        private function withThrottle(callable $use): mixed
        {
            $handle = @fopen($this->poll->path(self::THROTTLE_FILE), 'c+');
            if ($handle === false) {
                throw new NorvelPollDataError('The poll folder is not writable by the web server, so '
                    . 'logins cannot be checked. Give the web server write permission on the poll folder.');
            }
            try {
                if (!flock($handle, LOCK_EX)) {
                    throw new NorvelPollDataError('The login count could not be locked.');
                }
                $text = (string) stream_get_contents($handle);
                $saved = json_decode(substr($text, strlen(self::THROTTLE_HEADER)), true);
                $state = [
                    'failures' => is_int($saved['failures'] ?? null) ? max(0, $saved['failures']) : 0,
                    'lockedUntil' => is_int($saved['lockedUntil'] ?? null) ? $saved['lockedUntil'] : 0,
                ];
                [$result, $newState] = $use($state, time());
                if ($newState !== null) {
                    $text = self::THROTTLE_HEADER . json_encode($newState) . "\n";
                    if (!ftruncate($handle, 0) || !rewind($handle) || fwrite($handle, $text) !== strlen($text)) {
                        throw new NorvelPollDataError('The login count could not be saved.');
                    }
                    fflush($handle);
                }
                return $result;
            } finally {
                flock($handle, LOCK_UN);
                fclose($handle);
            }
        }

        /**
         * Seconds logging in stays locked, or 0 when this try may go on. A try counts as a
         * wrong one until it succeeds, so guessers in parallel are all counted.
         */
        private function beginLoginTry(): int
        {
            return $this->withThrottle(function (array $state, int $now): array {
                if ($now < $state['lockedUntil']) {
                    return [$state['lockedUntil'] - $now, null];
                }
                $state['failures'] += 1;
                if ($state['failures'] >= self::FREE_TRIES) {
                    $doublings = min($state['failures'] - self::FREE_TRIES, 8);
                    $state['lockedUntil'] = $now + min(self::LONGEST_LOCK_SECONDS,
                        self::FIRST_LOCK_SECONDS * (2 ** $doublings));
                }
                return [0, $state];
            });
        }

        private function lockedSeconds(): int
        {
            return $this->withThrottle(fn (array $state, int $now): array
                => [max(0, $state['lockedUntil'] - $now), null]);
        }

        private function endLoginTries(): void
        {
            $this->withThrottle(fn (array $state, int $now): array
                => [null, ['failures' => 0, 'lockedUntil' => 0]]);
        }

        private function startPage(): never
        {
            $title = 'Poll administration';
            if (!$this->hasPassword()) {
                $this->page($title, '<p>No administration password is set for this poll. '
                    . 'Set one in the poll editor and publish the poll again.</p>', 403);
            }
            if (($_SERVER['REQUEST_METHOD'] ?? '') !== 'POST') {
                if ($this->isLoggedIn()) {
                    $this->redirect('home.php');
                }
                $this->page($title, $this->loginForm());
            }
            $this->checkPost();
            try {
                $lockedFor = $this->beginLoginTry();
                if ($lockedFor > 0) {
                    header('Retry-After: ' . $lockedFor);
                    $this->page($title, '<p class="norvelpoll-error" role="alert">'
                        . NorvelPoll1::escape($this->lockedMessage($lockedFor)) . '</p>' . $this->loginForm(), 429);
                }
                $password = NorvelPoll1::field($_POST, 'password', 1000);
                if ($password === null || !password_verify($password, $this->passwordHash)) {
                    $lockedFor = $this->lockedSeconds();
                    $this->page($title, '<p class="norvelpoll-error" role="alert">Wrong password.'
                        . ($lockedFor > 0 ? ' ' . NorvelPoll1::escape($this->lockedMessage($lockedFor)) : '')
                        . '</p>' . $this->loginForm(), 403);
                }
                $this->endLoginTries();
            } catch (NorvelPollDataError $error) {
                $this->page($title, '<p class="norvelpoll-error" role="alert">'
                    . NorvelPoll1::escape($error->getMessage()) . '</p>', 500);
            }
            session_regenerate_id(true);
            $_SESSION['loggedIn'] = true;
            $_SESSION['token'] = bin2hex(random_bytes(32));
            $this->redirect('home.php');
        }
    }
}

// The password hash the poll editor filled in, as a PHP string expression.
return NorvelPollAdmin1::start(__DIR__, <*phppasswordhash*>, isset($norvelPollAdminAsLibrary) && $norvelPollAdminAsLibrary === true);
