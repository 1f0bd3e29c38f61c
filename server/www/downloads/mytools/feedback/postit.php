<?php
// Feedback form of the product web server.
// GET shows the form; POST stores the entry in SQLite and answers a thank-you page.
// The database file is given by the server configuration (ZW_FEEDBACK_DB); without it the
// entries go beside this page.

const MAX_WORD_LENGTH = 100;

function feedback_db(): PDO
{
    $path = getenv('ZW_FEEDBACK_DB') ?: ($_SERVER['ZW_FEEDBACK_DB'] ?? (__DIR__ . '/feedback.sqlite'));
    $db = new PDO('sqlite:' . $path, null, null, [PDO::ATTR_ERRMODE => PDO::ERRMODE_EXCEPTION]);
    $db->exec('PRAGMA busy_timeout = 5000');
    $db->exec('CREATE TABLE IF NOT EXISTS entries (
        id INTEGER PRIMARY KEY AUTOINCREMENT,
        received TEXT NOT NULL,
        remote_addr TEXT NOT NULL,
        method TEXT NOT NULL,
        content_type TEXT NOT NULL,
        source TEXT NOT NULL,
        submitter TEXT NOT NULL,
        name TEXT NOT NULL,
        mail TEXT NOT NULL,
        home TEXT NOT NULL,
        message TEXT NOT NULL)');
    return $db;
}

function page(string $title, string $body): void
{
    header('Content-Type: text/html; charset=utf-8');
    echo "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n";
    echo '<title>' . htmlspecialchars($title) . "</title>\n</head>\n<body>\n";
    echo $body;
    echo "</body>\n</html>\n";
}

function longest_word(string $text): int
{
    $longest = 0;
    foreach (preg_split('/\s+/u', $text) ?: [] as $word) {
        $longest = max($longest, (int) preg_match_all('/./us', $word));
    }
    return $longest;
}

if ($_SERVER['REQUEST_METHOD'] === 'POST') {
    $fields = [];
    foreach (['input_name', 'input_mail', 'input_home', 'input_message', 'source', 'Ok'] as $key) {
        $fields[$key] = isset($_POST[$key]) && is_string($_POST[$key]) ? $_POST[$key] : '';
    }
    if ($fields['input_name'] === '' || $fields['input_message'] === '') {
        http_response_code(400);
        page('Feedback', "<p>Name und Nachricht fehlen.</p>\n");
        return;
    }
    foreach (['input_name', 'input_mail', 'input_home', 'input_message'] as $key) {
        if (longest_word($fields[$key]) > MAX_WORD_LENGTH) {
            http_response_code(400);
            page('Feedback', '<p>Ein Wort ist länger als ' . MAX_WORD_LENGTH . " Zeichen.</p>\n");
            return;
        }
    }
    $db = feedback_db();
    $insert = $db->prepare('INSERT INTO entries
        (received, remote_addr, method, content_type, source, submitter, name, mail, home, message)
        VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)');
    $insert->execute([
        gmdate('Y-m-d\TH:i:s\Z'),
        $_SERVER['REMOTE_ADDR'] ?? '',
        $_SERVER['REQUEST_METHOD'],
        $_SERVER['CONTENT_TYPE'] ?? '',
        $fields['source'],
        $fields['Ok'],
        $fields['input_name'],
        $fields['input_mail'],
        $fields['input_home'],
        $fields['input_message'],
    ]);
    page('Vielen Dank', "<p>Vielen Dank für Ihren Beitrag!</p>\n");
    return;
}

page('Feedback', <<<'HTML'
<h1>Feedback zum Zunderwerk</h1>
<form method="post" action="postit.php">
<input type="hidden" name="source" value="zunderwerk-2.0">
<p><label>Name: <input type="text" name="input_name" maxlength="100"></label></p>
<p><label>E-Mail: <input type="text" name="input_mail" maxlength="100"></label></p>
<p><label>Homepage: <input type="text" name="input_home" maxlength="200"></label></p>
<p><label>Nachricht:<br><textarea name="input_message" rows="10" cols="60"></textarea></label></p>
<p><input type="submit" name="Ok" value="Absenden"></p>
</form>

HTML);
