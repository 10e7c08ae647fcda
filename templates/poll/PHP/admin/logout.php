<?php
/*
 * Norvel poll administration: logging out. A GET shows the button; the POST logs out.
 */
declare(strict_types=1);

$admin = (static function (): NorvelPollAdmin1 {
    $norvelPollAdminAsLibrary = true;
    return require __DIR__ . '/index.php';
})();

if (($_SERVER['REQUEST_METHOD'] ?? '') !== 'POST') {
    $admin->requireLogin();
    $admin->page('Log out',
        '<form method="post" action="' . NorvelPoll1::escape($admin->url('logout.php')) . "\">\n"
        . $admin->tokenField() . "\n<p><input type=\"submit\" value=\"Log out\"></p>\n</form>\n");
}
$admin->checkPost();
$_SESSION = [];
$cookie = session_get_cookie_params();
setcookie(session_name(), '', [
    'expires' => time() - 3600,
    'path' => $cookie['path'],
    'secure' => $cookie['secure'],
    'httponly' => true,
    'samesite' => 'Strict',
]);
session_destroy();
$admin->redirect('index.php');
