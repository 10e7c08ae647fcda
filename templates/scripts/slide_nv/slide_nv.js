// Slide show functions. Each show keeps its pictures in photos_NV[number] and its
// transition in TypeA_NV[number] (-1 picks one at random on every change); the
// "Previous Slide" / "Next Slide" links call backward_NV / forward_NV.
// Everything is declared with "var ... || ..." so that a second copy of this file in
// the same page keeps the state of the first.
var photos_NV = photos_NV || [];
var TypeA_NV = TypeA_NV || [];
var Type_NV;
var CurrentSlide_NV;

var SlideShow_NV = SlideShow_NV || makeSlideShow_NV();

// Builds the functions once; hoisted, so the line above can call it.
function makeSlideShow_NV() {
    'use strict';

    var durationMs = 900;
    var effectCount = 23;
    var shows = [];

    function round(value) { return Math.round(value * 1000) / 1000; }

    function point(x, y) { return round(x) + '% ' + round(y) + '%'; }

    // One polygon made of separate rectangles [x1, y1, x2, y2] (percent of the picture).
    // Every rectangle is reached from the corner 0,0 and left the same way back, so the
    // connecting edges enclose nothing and only the rectangles are shown.
    function rectanglesPolygon(rectangles) {
        var points = [point(0, 0)];
        rectangles.forEach(function(r) {
            points.push(
                point(r[0], r[1]), point(r[2], r[1]), point(r[2], r[3]), point(r[0], r[3]),
                point(r[0], r[1]), point(0, 0));
        });
        return 'polygon(' + points.join(', ') + ')';
    }

    // Strips that grow from their top (or left) edge to the given fraction of their size.
    function blindsShape(count, vertical, fraction) {
        var rectangles = [];
        for (var k = 0; k < count; k++) {
            var start = (100 * k) / count;
            var end = start + (100 / count) * fraction;
            rectangles.push(vertical ? [start, 0, end, 100] : [0, start, 100, end]);
        }
        return rectanglesPolygon(rectangles);
    }

    // A grid of cells, each grown from its centre to the fraction that fractionOf gives.
    function cellsShape(columns, rows, fractionOf) {
        var rectangles = [];
        for (var row = 0; row < rows; row++) {
            for (var column = 0; column < columns; column++) {
                var width = 100 / columns;
                var height = 100 / rows;
                var half = fractionOf(row * columns + column, column, row) / 2;
                var centreX = (column + 0.5) * width;
                var centreY = (row + 0.5) * height;
                rectangles.push([
                    centreX - half * width, centreY - half * height, centreX + half * width,
                    centreY + half * height
                ]);
            }
        }
        return rectanglesPolygon(rectangles);
    }

    function clipFrames(from, to) {
        return function() { return [{clipPath: from}, {clipPath: to}]; };
    }

    function blindsFrames(vertical) {
        return function() {
            return [
                {clipPath: blindsShape(8, vertical, 0)}, {clipPath: blindsShape(8, vertical, 1)}
            ];
        };
    }

    // Alternate squares first, then the others.
    function checkerboardFrames() {
        var frames = [0, 0.5, 1].map(function(offset) {
            var shape = cellsShape(8, 6, function(index, column, row) {
                if (offset === 1)
                    return 1;
                return offset === 0.5 && (column + row) % 2 === 0 ? 1 : 0;
            });
            return {clipPath: shape, offset: offset};
        });
        return frames;
    }

    // Squares appear in a new random order on every change.
    function dissolveFrames() {
        var cellCount = 48;
        var steps = 8;
        var rank = [];
        for (var i = 0; i < cellCount; i++)
            rank.push(i);
        for (var j = cellCount - 1; j > 0; j--) {
            var other = Math.floor(Math.random() * (j + 1));
            var kept = rank[j];
            rank[j] = rank[other];
            rank[other] = kept;
        }
        var frames = [];
        for (var step = 0; step <= steps; step++) {
            var shown = (cellCount * step) / steps;
            frames.push({
                clipPath: cellsShape(8, 6, function(index) { return rank[index] < shown ? 1 : 0; }),
                offset: step / steps
            });
        }
        return frames;
    }

    function transformFrames(from, to) {
        return function() { return [from, to]; };
    }

    // The 23 effects, numbered as the author chooses them. "incoming" effects bring the
    // new picture in over the old one; "outgoing" effects take the old one away on top.
    var effects = [
        null,
        {name: 'fade', moves: 'incoming', frames: transformFrames({opacity: 0}, {opacity: 1})},
        {
            name: 'wipe-right',
            moves: 'incoming',
            frames: clipFrames('inset(0% 100% 0% 0%)', 'inset(0% 0% 0% 0%)')
        },
        {
            name: 'wipe-left',
            moves: 'incoming',
            frames: clipFrames('inset(0% 0% 0% 100%)', 'inset(0% 0% 0% 0%)')
        },
        {
            name: 'wipe-down',
            moves: 'incoming',
            frames: clipFrames('inset(0% 0% 100% 0%)', 'inset(0% 0% 0% 0%)')
        },
        {
            name: 'wipe-up',
            moves: 'incoming',
            frames: clipFrames('inset(100% 0% 0% 0%)', 'inset(0% 0% 0% 0%)')
        },
        {
            name: 'box-out',
            moves: 'incoming',
            frames: clipFrames('inset(50% 50% 50% 50%)', 'inset(0% 0% 0% 0%)')
        },
        {
            name: 'box-in',
            moves: 'outgoing',
            frames: clipFrames('inset(0% 0% 0% 0%)', 'inset(50% 50% 50% 50%)')
        },
        {
            name: 'circle-out',
            moves: 'incoming',
            frames: clipFrames('circle(0% at 50% 50%)', 'circle(75% at 50% 50%)')
        },
        {
            name: 'circle-in',
            moves: 'outgoing',
            frames: clipFrames('circle(75% at 50% 50%)', 'circle(0% at 50% 50%)')
        },
        {
            name: 'split-vertical-out',
            moves: 'incoming',
            frames: clipFrames('inset(0% 50% 0% 50%)', 'inset(0% 0% 0% 0%)')
        },
        {
            name: 'split-horizontal-out',
            moves: 'incoming',
            frames: clipFrames('inset(50% 0% 50% 0%)', 'inset(0% 0% 0% 0%)')
        },
        {name: 'blinds-horizontal', moves: 'incoming', frames: blindsFrames(false)},
        {name: 'blinds-vertical', moves: 'incoming', frames: blindsFrames(true)},
        {name: 'checkerboard', moves: 'incoming', frames: checkerboardFrames},
        {name: 'dissolve', moves: 'incoming', frames: dissolveFrames},
        {
            name: 'slide-from-left',
            moves: 'incoming',
            frames: transformFrames({transform: 'translateX(-100%)'}, {transform: 'translateX(0%)'})
        },
        {
            name: 'slide-from-right',
            moves: 'incoming',
            frames: transformFrames({transform: 'translateX(100%)'}, {transform: 'translateX(0%)'})
        },
        {
            name: 'slide-from-top',
            moves: 'incoming',
            frames: transformFrames({transform: 'translateY(-100%)'}, {transform: 'translateY(0%)'})
        },
        {
            name: 'slide-from-bottom',
            moves: 'incoming',
            frames: transformFrames({transform: 'translateY(100%)'}, {transform: 'translateY(0%)'})
        },
        {
            name: 'zoom-in',
            moves: 'incoming',
            frames: transformFrames(
                {transform: 'scale(0)', opacity: 0}, {transform: 'scale(1)', opacity: 1})
        },
        {
            name: 'zoom-out',
            moves: 'outgoing',
            frames: transformFrames(
                {transform: 'scale(1)', opacity: 1}, {transform: 'scale(1.6)', opacity: 0})
        },
        {
            name: 'diamond',
            moves: 'incoming',
            frames: clipFrames(
                'polygon(50% 50%, 50% 50%, 50% 50%, 50% 50%)',
                'polygon(50% -50%, 150% 50%, 50% 150%, -50% 50%)')
        },
        {
            name: 'diagonal-wipe',
            moves: 'incoming',
            frames: clipFrames('polygon(0% 0%, 0% 0%, 0% 0%)', 'polygon(0% 0%, 200% 0%, 0% 200%)')
        }
    ];

    function chooseEffect(type) {
        var number = parseInt(type, 10);
        if (number >= 1 && number <= effectCount)
            return number;
        return 1 + Math.floor(Math.random() * effectCount);
    }

    function reduceMotion() {
        return typeof window.matchMedia === 'function' &&
            window.matchMedia('(prefers-reduced-motion: reduce)').matches;
    }

    function makeLayer() {
        var picture = document.createElement('img');
        picture.className = 'slide_nv-picture';
        picture.style.gridArea = '1 / 1';
        picture.style.justifySelf = 'center';
        picture.style.alignSelf = 'center';
        picture.style.border = '0';
        return picture;
    }

    function altText(index, count) { return 'Picture ' + (index + 1) + ' of ' + count; }

    // Ends a running change at once: the old picture goes, the new one stays.
    function settle(show) {
        show.generation += 1;
        if (show.animation) {
            show.animation.cancel();
            show.animation = null;
        }
        show.spare.style.display = 'none';
        show.spare.style.zIndex = '';
        show.shown.style.zIndex = '';
        show.shown.style.visibility = '';
    }

    function whenReady(picture, callback) {
        if (typeof picture.decode === 'function') {
            picture.decode().then(callback, callback);
        } else {
            callback();
        }
    }

    function animate(show, effect, incoming, outgoing, generation) {
        var moving = effect.moves === 'incoming' ? incoming : outgoing;
        var still = moving === incoming ? outgoing : incoming;
        moving.style.zIndex = '2';
        still.style.zIndex = '1';
        incoming.style.visibility = '';
        if (typeof moving.animate !== 'function') {
            settle(show);
            return;
        }
        // "forwards" holds the end state until settle() removes the old picture.
        var animation = moving.animate(
            effect.frames(), {duration: durationMs, easing: 'ease-in-out', fill: 'forwards'});
        show.animation = animation;
        animation.onfinish = function() {
            if (generation === show.generation)
                settle(show);
        };
    }

    function findShow(name, number) {
        var show = shows[number];
        if (show)
            return show;
        for (var i = 0; i < shows.length; i++) {
            if (shows[i] && shows[i].name === name)
                return shows[i];
        }
        return null;
    }

    function step(name, number, direction) {
        var show = findShow(name, number);
        if (!show)
            return;
        var pictures = photos_NV[show.number] || [];
        var count = pictures.length;
        if (count === 0)
            return;
        settle(show);
        show.index = (((show.index + direction) % count) + count) % count;

        var effectNumber = chooseEffect(TypeA_NV[show.number]);
        var incoming = show.spare;
        var outgoing = show.shown;
        incoming.src = pictures[show.index];
        incoming.alt = altText(show.index, count);
        incoming.style.display = '';
        incoming.classList.add('slide_nv-shown');
        outgoing.classList.remove('slide_nv-shown');
        show.shown = incoming;
        show.spare = outgoing;
        show.element.setAttribute('data-index', String(show.index));
        show.element.setAttribute('data-transition', String(effectNumber));

        if (reduceMotion()) {
            settle(show);
            return;
        }
        var generation = show.generation;
        incoming.style.visibility = 'hidden';
        whenReady(incoming, function() {
            if (generation === show.generation) {
                animate(show, effects[effectNumber], incoming, outgoing, generation);
            }
        });
    }

    // Builds the picture area where the calling script stands (or at the end of the
    // page when there is no calling script) and shows the first picture.
    function create(script, name, number) {
        var element = document.createElement('span');
        element.className = 'slide_nv';
        element.id = name;
        element.setAttribute('role', 'group');
        element.setAttribute('aria-label', 'Slide show');
        element.style.display = 'inline-grid';
        element.style.overflow = 'hidden';
        element.style.verticalAlign = 'middle';
        element.style.isolation = 'isolate';

        var first = makeLayer();
        var second = makeLayer();
        second.style.display = 'none';
        element.appendChild(first);
        element.appendChild(second);

        var pictures = photos_NV[number] || [];
        if (pictures.length > 0) {
            first.src = pictures[0];
            first.alt = altText(0, pictures.length);
        }
        first.classList.add('slide_nv-shown');
        element.setAttribute('data-index', '0');

        if (script && script.parentNode) {
            script.parentNode.insertBefore(element, script);
        } else {
            document.body.appendChild(element);
        }
        var show = {
            name: name,
            number: number,
            element: element,
            shown: first,
            spare: second,
            index: 0,
            animation: null,
            generation: 0
        };
        shows[number] = show;
        return show;
    }

    return {create: create, step: step};
}

function forward_NV(name, number) { SlideShow_NV.step(name, number, 1); }

function backward_NV(name, number) { SlideShow_NV.step(name, number, -1); }
