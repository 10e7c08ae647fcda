// Current-date function: writes the visitor's date, in the page's language, where the
// calling script stands.
var CurrentDate_NV = CurrentDate_NV || makeCurrentDate_NV();

// Builds the functions once; hoisted, so the line above can call it.
function makeCurrentDate_NV() {
    'use strict';

    var longDate = {weekday: 'long', year: 'numeric', month: 'long', day: 'numeric'};

    function pageLanguage() {
        var lang = document.documentElement.getAttribute('lang');
        return lang ? lang.trim() : '';
    }

    // An invalid language tag must not cost the visitor the date: use the browser's.
    function format(date, language) {
        try {
            return date.toLocaleDateString(language || undefined, longDate);
        } catch (badLanguage) {
            return date.toLocaleDateString(undefined, longDate);
        }
    }

    function twoDigits(value) { return (value < 10 ? '0' : '') + value; }

    function isoDate(date) {
        return date.getFullYear() + '-' + twoDigits(date.getMonth() + 1) + '-' +
            twoDigits(date.getDate());
    }

    function write(script) {
        var now = new Date();
        var element = document.createElement('time');
        element.className = 'date_nv';
        element.setAttribute('datetime', isoDate(now));
        element.textContent = format(now, pageLanguage());
        if (script && script.parentNode) {
            script.parentNode.insertBefore(element, script);
        } else {
            document.body.appendChild(element);
        }
        return element;
    }

    return {write: write, format: format};
}
