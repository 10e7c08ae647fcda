// Show/hide functions. Sections are plain markup: a button (aria-expanded,
// aria-controls) and the body it controls. The body stays visible in the editor and
// without scripts; this file hides closed bodies with a style rule and opens and
// closes them through one click listener for the whole page, so any number of
// sections work, and the native button gives Enter and Space for free.
var ShowHide_NV = ShowHide_NV || makeShowHide_NV();

// Builds the functions once; hoisted, so the line above can call it.
function makeShowHide_NV() {
    'use strict';

    var openClass = 'showhide_nv-open';

    var style = document.createElement('style');
    style.textContent = '.showhide_nv-body:not(.' + openClass + ') { display: none; }';
    (document.head || document.documentElement).appendChild(style);

    function setOpen(button, open) {
        var body = document.getElementById(button.getAttribute('aria-controls'));
        if (!body)
            return;
        button.setAttribute('aria-expanded', open ? 'true' : 'false');
        body.classList.toggle(openClass, open);
        var marker = button.querySelector('.showhide_nv-marker');
        if (marker)
            marker.textContent = open ? '-' : '+';
    }

    function toggle(button) { setOpen(button, button.getAttribute('aria-expanded') !== 'true'); }

    document.addEventListener('click', function(event) {
        var target = event.target;
        if (!(target instanceof Element))
            return;
        var button = target.closest('button.showhide_nv-button');
        if (button)
            toggle(button);
    });

    return {toggle: toggle, setOpen: setOpen};
}
