// Add-to-favourites functions. The link bookmarks through the browser where the
// browser still offers that to pages; everywhere else (all current browsers) a click
// tells the visitor which keys bookmark the page. The link's address is the page to
// bookmark, so it can also be dragged to the bookmarks bar.
var AddToFavor_NV = AddToFavor_NV || makeAddToFavor_NV();

// Builds the functions once; hoisted, so the line above can call it.
function makeAddToFavor_NV() {
    'use strict';

    var keysHint = 'Press Ctrl+D (Cmd+D on a Mac) to bookmark this page.';

    function bookmarkFunction() {
        var external = window.external;
        if (external && 'AddFavorite' in external) {
            return function(url, title) { external.AddFavorite(url, title); };
        }
        var sidebar = window.sidebar;
        if (sidebar && typeof sidebar.addPanel === 'function') {
            return function(url, title) { sidebar.addPanel(title, url, ''); };
        }
        return null;
    }

    function canBookmark() { return bookmarkFunction() !== null; }

    function sameAsThisPage(url) {
        try {
            return new URL(url, location.href).href.split('#')[0] === location.href.split('#')[0];
        } catch (notAnAddress) {
            return false;
        }
    }

    function hintFor(url, title) {
        if (sameAsThisPage(url))
            return keysHint;
        return 'Open \u201c' + title +
            '\u201d with this link, then press Ctrl+D (Cmd+D on a Mac) to bookmark it.';
    }

    // Puts the link (text or picture markup) where the calling script stands, with an
    // initially empty status line after it for the bookmarking hint.
    function insertLink(script, linkMarkup, url, title) {
        var link = document.createElement('a');
        link.className = 'addtofavor_nv';
        link.href = url;
        link.innerHTML = linkMarkup;
        if (!link.textContent.trim()) {
            link.setAttribute('aria-label', 'Bookmark ' + title);
        }
        var hint = document.createElement('span');
        hint.className = 'addtofavor_nv-hint';
        hint.setAttribute('role', 'status');

        link.addEventListener('click', function(event) {
            event.preventDefault();
            var bookmark = bookmarkFunction();
            if (bookmark) {
                try {
                    bookmark(url, title);
                    return;
                } catch (refused) {
                    // Fall through to the hint: the browser refused the request.
                }
            }
            hint.textContent = ' ' + hintFor(url, title);
        });

        if (script && script.parentNode) {
            script.parentNode.insertBefore(link, script);
            script.parentNode.insertBefore(hint, script);
        } else {
            document.body.appendChild(link);
            document.body.appendChild(hint);
        }
        return link;
    }

    return {canBookmark: canBookmark, insertLink: insertLink};
}
