// Fading-messages functions: a box that shows one message at a time, fading from one
// to the next. It pauses while the pointer is over it or the focus is inside it, and a
// polite live region lets screen readers read each message without interrupting.
var FadingMessages_NV = FadingMessages_NV || makeFadingMessages_NV();

// Builds the functions once; hoisted, so the line above can call it.
function makeFadingMessages_NV() {
    'use strict';

    var defaultWidth = 120;
    var defaultHeight = 140;
    var defaultDelayMs = 3500;
    var longestFadeMs = 600;

    // The dialog passes the texts as typed: plain numbers mean pixels, other valid CSS
    // lengths are kept, anything else falls back to the default.
    function cssLength(text, fallback) {
        var value = String(text).trim();
        if (/^\d+(\.\d+)?$/.test(value))
            return value + 'px';
        if (value && window.CSS && CSS.supports('width', value))
            return value;
        return fallback + 'px';
    }

    function delayMs(text) {
        var value = parseInt(text, 10);
        return value > 0 ? value : defaultDelayMs;
    }

    function borderWidth(text) {
        var value = parseInt(text, 10);
        return value > 0 ? value : 0;
    }

    function reduceMotion() {
        return typeof window.matchMedia === 'function' &&
            window.matchMedia('(prefers-reduced-motion: reduce)').matches;
    }

    function collectMessages(contents, links) {
        var messages = [];
        for (var i = 0; i < contents.length; i++) {
            var text = contents[i] || '';
            var link = links[i] || '';
            if (text || link)
                messages.push(link ? text + ' ' + link : text);
        }
        return messages;
    }

    function makeBox(options) {
        var box = document.createElement('div');
        box.className = 'fadingmessages_nv';
        box.setAttribute('role', 'region');
        box.setAttribute('aria-label', 'Messages');
        box.tabIndex = 0;
        box.style.display = 'inline-block';
        box.style.boxSizing = 'border-box';
        box.style.width = cssLength(options.width, defaultWidth);
        box.style.height = cssLength(options.height, defaultHeight);
        box.style.overflow = 'hidden';
        box.style.padding = '2px';
        box.style.textAlign = 'center';
        box.style.verticalAlign = 'top';
        var border = borderWidth(options.border);
        box.style.border = border > 0 ? border + 'px solid' : 'none';
        return box;
    }

    // contents[i] is the message markup, links[i] an optional link after it.
    // options: width, height, delay (milliseconds), border (pixels, 0 for none).
    function start(script, contents, links, options) {
        var messages = collectMessages(contents || [], links || []);
        if (messages.length === 0)
            return null;

        var box = makeBox(options || {});
        var text = document.createElement('div');
        text.className = 'fadingmessages_nv-text';
        text.setAttribute('aria-live', 'polite');
        text.setAttribute('aria-atomic', 'true');
        box.appendChild(text);

        var delay = delayMs((options || {}).delay);
        var fadeMs = Math.min(longestFadeMs, Math.floor(delay / 4));
        var state = {index: 0, timer: null, hovered: false, focused: false, changing: false};

        function paused() { return state.hovered || state.focused; }

        function show(index) {
            state.index = index;
            text.innerHTML = messages[index];
            box.setAttribute('data-index', String(index));
        }

        function schedule() {
            if (paused() || state.changing || state.timer !== null || messages.length < 2) {
                return;
            }
            state.timer = setTimeout(advance, delay);
        }

        function changed() {
            state.changing = false;
            schedule();
        }

        function advance() {
            state.timer = null;
            if (paused())
                return;
            var next = (state.index + 1) % messages.length;
            if (reduceMotion() || fadeMs === 0 || typeof text.animate !== 'function') {
                show(next);
                schedule();
                return;
            }
            state.changing = true;
            var fadeOut =
                text.animate([{opacity: 1}, {opacity: 0}], {duration: fadeMs, fill: 'forwards'});
            fadeOut.onfinish = function() {
                show(next);
                fadeOut.cancel();
                var fadeIn = text.animate([{opacity: 0}, {opacity: 1}], {duration: fadeMs});
                fadeIn.onfinish = changed;
                fadeIn.oncancel = changed;
            };
            fadeOut.oncancel = changed;
        }

        function pause() {
            if (state.timer !== null) {
                clearTimeout(state.timer);
                state.timer = null;
            }
            box.setAttribute('data-paused', 'true');
        }

        function resume() {
            if (paused())
                return;
            box.removeAttribute('data-paused');
            schedule();
        }

        box.addEventListener('mouseenter', function() {
            state.hovered = true;
            pause();
        });
        box.addEventListener('mouseleave', function() {
            state.hovered = false;
            resume();
        });
        box.addEventListener('focusin', function() {
            state.focused = true;
            pause();
        });
        box.addEventListener('focusout', function(event) {
            if (event.relatedTarget && box.contains(event.relatedTarget))
                return;
            state.focused = false;
            resume();
        });

        show(0);
        if (script && script.parentNode) {
            script.parentNode.insertBefore(box, script);
        } else {
            document.body.appendChild(box);
        }
        schedule();
        return box;
    }

    return {start: start};
}
