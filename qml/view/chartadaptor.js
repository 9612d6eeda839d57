.pragma library

// Chart.js (2.9) runs unmodified on a Canvas item: it finds a small `window`
// but no `document`, so it takes its basic platform (no DOM, no events), and it
// is handed a stand-in for the HTML canvas whose context is the item's own.

var frameHosts = []
var familySettled = false

// Chart.js animates through requestAnimationFrame; any Canvas can lend it its
// own frame callback. Without a visible canvas there is nothing to animate.
function requestFrame(callback) {
    for (var i = 0; i < frameHosts.length; ++i) {
        if (frameHosts[i].visible && frameHosts[i].width > 0)
            return frameHosts[i].requestAnimationFrame(callback)
    }
    return 0
}

var window = {
    devicePixelRatio: 1,
    requestAnimationFrame: function(callback) { return requestFrame(callback) },
    addEventListener: function() {},
    removeEventListener: function() {}
}

Qt.include("../Chart.js")

var Chart = window.Chart

// Chart.js asks isArray() and isObject() of the options and values it reads
// and answers through Object.prototype.toString(), which makes a new string
// each time, garbage that brings the collector on sooner. The same answers,
// without a string for what Chart.js meets (plain values, arrays, plain
// objects). The axes' own copy of isArray(), taken at load, stays as it is.
var objectToString = Object.prototype.toString
Chart.helpers.isArray = function(value) {
    if (Array.isArray(value))
        return true
    if (typeof value !== "object" || value === null)
        return false
    var type = objectToString.call(value)
    return type.substr(0, 7) === "[object" && type.substr(-6) === "Array]"
}
Chart.helpers.isObject = function(value) {
    if (typeof value !== "object" || value === null)
        return false
    var proto = Object.getPrototypeOf(value)
    return proto === Object.prototype || proto === null || objectToString.call(value) === "[object Object]"
}

// Chart.js sets a font before every text it measures or draws, most often
// inside save()/restore() around each tick label, and each assignment to a
// Context2D's font parses the string anew, which is slow. So a font assignment
// is only noted, and reaches the context just before text needs it and only
// when the context's own font differs. When restore() takes the context back
// to another font twice in a row, the inner font is set at the outer level
// too, so a loop of labels in one font costs one assignment, not one each.
// The context describes its font in Qt's own words, not in the CSS words it
// was given, so the CSS words behind each description are remembered: a draw
// that starts in the font the last one ended with sets nothing.
function rememberFont(ctx) {
    var proto = Object.getPrototypeOf(ctx)
    var font = Object.getOwnPropertyDescriptor(proto, "font")
    var save = proto.save
    var restore = proto.restore
    var wanted = null     // the font Chart.js asked for last
    var real = null       // the context's own font, null when unknown
    var stack = []        // [wanted, real] at each save()
    var lastInner = null
    var cssOf = {}        // the context's description of a font: the CSS words that set it

    function set(value) {
        font.set.call(ctx, value)
        real = value
        cssOf[font.get.call(ctx)] = value
    }

    function apply() {
        if (wanted !== null && wanted !== real)
            set(wanted)
    }

    Object.defineProperty(ctx, "font", {
        configurable: true,
        get: function() { return wanted !== null ? wanted : font.get.call(ctx) },
        set: function(value) { wanted = value }
    })
    Object.defineProperty(ctx, "save", {
        configurable: true,
        value: function() {
            stack.push([wanted, real])
            save.call(ctx)
        }
    })
    Object.defineProperty(ctx, "restore", {
        configurable: true,
        value: function() {
            restore.call(ctx)
            var inner = real
            if (stack.length > 0) {
                var outer = stack.pop()
                wanted = outer[0]
                real = outer[1]
            } else {
                real = null
            }
            if (inner !== null && inner !== real && inner === lastInner)
                set(inner)
            lastInner = inner
        }
    })
    ;["fillText", "strokeText", "measureText"].forEach(function(name) {
        var draw = proto[name]
        Object.defineProperty(ctx, name, {
            configurable: true,
            value: function() {
                apply()
                return draw.apply(ctx, arguments)
            }
        })
    })
    // Each draw starts from what the context really has.
    return function() {
        wanted = null
        var own = font.get.call(ctx)
        real = cssOf.hasOwnProperty(own) ? cssOf[own] : null
        stack = []
        lastInner = null
    }
}

// Each fillText() makes the glyphs' outlines anew, hinting included, which
// costs more than the rest of a text's drawing. So every text is put with its
// anchor on a whole pixel of the canvas (it moves by under half a pixel), and
// then the same text in the same font, colour, alignment and turn gives the
// same pixels wherever it lands: the horizontal labels, which move one place
// along at each sample, as much as the title and the axis names. A text met in
// two draws is drawn once more at the start of the next draw, alone on the
// just cleared canvas, and its pixels are taken and the place cleared again;
// from then on they are copied in, onto what lies under them as the text
// itself would be. The twelve charts share these pictures: they show the same
// labels. A text under a transform this does not follow is always drawn.
var textPictures = {}   // key: { seen, used, image, x, y, never, pending }
var textDraws = 0       // draws of every chart so far
var textsToTake = []    // texts met again, to take at the start of a draw

// Evicts pictures of texts no chart drew lately, and all of them should the
// texts keep changing (the pictures are small, but not without bound).
function forgetOldTexts() {
    var keys = Object.keys(textPictures)
    if (keys.length > 4000) {
        textPictures = {}
        textsToTake = []
        return
    }
    keys.forEach(function(key) {
        if (textPictures[key].used < textDraws - 60)
            delete textPictures[key]
    })
}

// With `drawOnly` texts are put on whole pixels and always drawn (the picture
// the copies must match). Returns the function that starts a draw: with
// `clear` when the whole canvas is clear, so texts may be taken.
function reuseTexts(ctx, drawOnly) {
    var proto = Object.getPrototypeOf(ctx)
    var names = ["save", "restore", "translate", "rotate", "scale", "setTransform", "resetTransform",
                 "transform", "fillText", "measureText"]
    var raw = {}
    names.forEach(function(name) { raw[name] = ctx[name] })
    var rawSave = proto.save
    var rawRestore = proto.restore
    var matrix = [1, 0, 0, 1, 0, 0]    // a b c d e f as in setTransform(), null when unknown
    var stack = []

    function wrap(name, value) {
        Object.defineProperty(ctx, name, { configurable: true, value: value })
    }
    wrap("save", function() {
        stack.push(matrix && matrix.slice())
        raw.save.call(ctx)
    })
    wrap("restore", function() {
        raw.restore.call(ctx)
        if (stack.length > 0)
            matrix = stack.pop()
    })
    wrap("translate", function(x, y) {
        raw.translate.call(ctx, x, y)
        if (matrix) {
            matrix[4] += matrix[0] * x + matrix[2] * y
            matrix[5] += matrix[1] * x + matrix[3] * y
        }
    })
    wrap("rotate", function(angle) {
        raw.rotate.call(ctx, angle)
        if (matrix && angle !== 0) {
            var cos = Math.cos(angle)
            var sin = Math.sin(angle)
            var m = matrix
            matrix = [m[0] * cos + m[2] * sin, m[1] * cos + m[3] * sin,
                      m[2] * cos - m[0] * sin, m[3] * cos - m[1] * sin, m[4], m[5]]
        }
    })
    wrap("scale", function(x, y) {
        raw.scale.call(ctx, x, y)
        if (matrix)
            matrix = [matrix[0] * x, matrix[1] * x, matrix[2] * y, matrix[3] * y, matrix[4], matrix[5]]
    })
    wrap("setTransform", function(a, b, c, d, e, f) {
        raw.setTransform.apply(ctx, arguments)
        matrix = [a, b, c, d, e, f]
    })
    wrap("resetTransform", function() {
        raw.resetTransform.call(ctx)
        matrix = [1, 0, 0, 1, 0, 0]
    })
    wrap("transform", function() {
        raw.transform.apply(ctx, arguments)
        matrix = null
    })

    // Draws the text with its anchor at the canvas pixel (ax, ay), with the
    // turn and scale `m`. The anchor is the transform's origin: the context
    // lays a text out from its anchor with some rounding of its own.
    function drawAt(text, maxWidth, hasMax, m, ax, ay) {
        raw.setTransform.call(ctx, m[0], m[1], m[2], m[3], ax, ay)
        if (hasMax)
            raw.fillText.call(ctx, text, 0, 0, maxWidth)
        else
            raw.fillText.call(ctx, text, 0, 0)
    }

    // The canvas pixels, from the anchor, that the text may ink: its advance
    // and the font's height as the alignment and baseline place them, and a
    // margin. Its pixels are taken only when the margin stayed clear.
    function box(job) {
        var size = /(\d+(?:\.\d+)?)px/.exec(job.font)
        if (!size)
            return null
        size = Number(size[1])
        var width = raw.measureText.call(ctx, job.text).width
        var xs = job.align === "center" ? [-width / 2, width / 2]
                 : job.align === "right" || job.align === "end" ? [-width, 0] : [0, width]
        var ys = job.baseline === "top" || job.baseline === "hanging" ? [-0.25, 1.35]
                 : job.baseline === "middle" ? [-0.85, 0.85]
                 : job.baseline === "bottom" || job.baseline === "ideographic" ? [-1.35, 0.25] : [-1.15, 0.45]
        var margin = 0.25 * size + 2
        xs = [xs[0] - margin, xs[1] + margin]
        ys = [ys[0] * size - 2, ys[1] * size + 2]
        var m = job.m
        var left = Infinity, top = Infinity, right = -Infinity, bottom = -Infinity
        for (var i = 0; i < 2; ++i) {
            for (var j = 0; j < 2; ++j) {
                var px = m[0] * xs[i] + m[2] * ys[j]
                var py = m[1] * xs[i] + m[3] * ys[j]
                left = Math.min(left, px)
                right = Math.max(right, px)
                top = Math.min(top, py)
                bottom = Math.max(bottom, py)
            }
        }
        left = Math.floor(left)
        top = Math.floor(top)
        return { x: left, y: top, width: Math.ceil(right) - left, height: Math.ceil(bottom) - top }
    }

    function edgesClear(image) {
        var data = image.data
        var w = image.width, h = image.height
        for (var x = 0; x < w; ++x) {
            if (data[4 * x + 3] !== 0 || data[4 * ((h - 1) * w + x) + 3] !== 0)
                return false
        }
        for (var y = 0; y < h; ++y) {
            if (data[4 * y * w + 3] !== 0 || data[4 * (y * w + w - 1) + 3] !== 0)
                return false
        }
        return true
    }

    // On the clear canvas: draws the text in the top left corner, takes its
    // pixels and clears them again.
    function take(job) {
        var entry = job.entry
        entry.pending = false
        raw.save.call(ctx)
        raw.setTransform.call(ctx, 1, 0, 0, 1, 0, 0)
        ctx.font = job.font
        ctx.fillStyle = job.style
        ctx.globalAlpha = 1
        ctx.textAlign = job.align
        ctx.textBaseline = job.baseline
        var place = box(job)
        if (!place || place.width > Math.floor(ctx.canvas.width) || place.height > Math.floor(ctx.canvas.height)) {
            entry.never = true
            raw.restore.call(ctx)
            return
        }
        drawAt(job.text, job.maxWidth, job.hasMax, job.m, -place.x, -place.y)
        raw.setTransform.call(ctx, 1, 0, 0, 1, 0, 0)
        var image = ctx.getImageData(0, 0, place.width, place.height)
        ctx.clearRect(0, 0, place.width, place.height)
        raw.restore.call(ctx)
        if (!edgesClear(image)) {
            entry.never = true
            return
        }
        entry.image = image
        entry.x = place.x
        entry.y = place.y
    }

    wrap("fillText", function(text, x, y, maxWidth) {
        var style = ctx.fillStyle
        if (!matrix || typeof style !== "string")
            return raw.fillText.apply(ctx, arguments)
        var m = matrix
        var ax = Math.round(m[0] * x + m[2] * y + m[4])
        var ay = Math.round(m[1] * x + m[3] * y + m[5])
        var hasMax = arguments.length > 3
        if (drawOnly) {
            drawAt(text, maxWidth, hasMax, m, ax, ay)
            raw.setTransform.call(ctx, m[0], m[1], m[2], m[3], m[4], m[5])
            return
        }
        var alpha = ctx.globalAlpha
        var key = [text, hasMax ? maxWidth : "", ctx.font, style, alpha, ctx.textAlign, ctx.textBaseline,
                   m[0], m[1], m[2], m[3]].join("\n")
        var entry = textPictures[key]
        if (entry && entry.image) {
            entry.used = textDraws
            rawSave.call(ctx)
            raw.setTransform.call(ctx, 1, 0, 0, 1, 0, 0)
            ctx.drawImage(entry.image, ax + entry.x, ay + entry.y)
            rawRestore.call(ctx)
            return
        }
        if (!entry) {
            textPictures[key] = { seen: textDraws, used: textDraws }
        } else {
            entry.used = textDraws
            if (!entry.never && !entry.pending && entry.seen < textDraws) {
                entry.pending = true
                textsToTake.push({ entry: entry, text: String(text), maxWidth: maxWidth, hasMax: hasMax,
                                   font: ctx.font, style: style, align: ctx.textAlign,
                                   baseline: ctx.textBaseline, m: m.slice(0, 4) })
            }
        }
        drawAt(text, maxWidth, hasMax, m, ax, ay)
        raw.setTransform.call(ctx, m[0], m[1], m[2], m[3], m[4], m[5])
    })

    return function(clear) {
        ++textDraws
        matrix = [1, 0, 0, 1, 0, 0]
        stack = []
        if (clear && !drawOnly) {
            while (textsToTake.length > 0)
                take(textsToTake.shift())
        }
        if (textDraws % 64 === 0)
            forgetOldTexts()
    }
}

// Chart.js' default font family is a list of four, and the Context2D looks
// each one up in the font database at every assignment. The family the
// context settles on is named instead, which draws the same and parses faster.
function settleFontFamily(ctx) {
    var defaults = Chart.defaults.global
    ctx.font = defaults.defaultFontSize + "px " + defaults.defaultFontFamily
    ctx.measureText("")
    var chosen = String(Object.getOwnPropertyDescriptor(Object.getPrototypeOf(ctx), "font").get.call(ctx))
    var family = chosen.split(",")[0]
    if (family.length > 0 && family.indexOf("'") < 0)
        defaults.defaultFontFamily = "'" + family + "'"
}

// The HTML canvas as Chart.js' basic platform uses it: a size it may set, the
// size the item is laid out at, a style it may write to, and the context.
function makeStandIn(item, ctx) {
    var noop = function() {}
    return {
        width: Math.floor(item.width),
        height: Math.floor(item.height),
        get clientWidth() { return Math.floor(item.width) },
        get clientHeight() { return Math.floor(item.height) },
        style: {
            setProperty: noop,
            getPropertyValue: function() { return "" },
            getPropertyPriority: function() { return "" }
        },
        getContext: function() { return ctx },
        addEventListener: noop,
        removeEventListener: noop,
        getAttribute: function() { return null },
        setAttribute: noop,
        removeAttribute: noop
    }
}

// Builds the chart on `item` (a Canvas whose context is available) and draws
// it once. Returns the Chart.js object; `afterDraw` is called after every draw
// with the plot's place (Chart.js' chartArea: left, top, right, bottom).
function create(item, type, data, options, duration, afterDraw) {
    var ctx = item.getContext("2d")
    var forget = ctx._forgetFont
    if (!forget) {
        var fonts = rememberFont(ctx)
        var texts = reuseTexts(ctx)
        // `clear`: Chart.js has just cleared the whole canvas.
        forget = function(clear) {
            fonts()
            texts(clear)
        }
        Object.defineProperty(ctx, "_forgetFont", { value: forget })
    }
    forget(false)
    if (!familySettled) {
        settleFontFamily(ctx)
        familySettled = true
    }
    var standIn = makeStandIn(item, ctx)
    Object.defineProperty(ctx, "canvas", { configurable: true, value: standIn })

    // The caller's options stay as they are.
    var opts = Object.assign({}, options)
    opts.animation = Object.assign({}, opts.animation, { duration: duration })

    if (frameHosts.indexOf(item) < 0)
        frameHosts.push(item)

    return new Chart(standIn, {
        type: type,
        data: data,
        options: opts,
        plugins: [{
            beforeDraw: function() { forget(true) },
            afterDraw: function(chart) { afterDraw(chart.chartArea) }
        }]
    })
}

// A new sample seldom moves anything but the plot: the layout (title, axes,
// the plot's place) follows from the size, the options, the vertical axis'
// range and the sizes of the horizontal axis' labels (first, last, widest,
// highest, how many). When these are as at the last layout, every step of
// Chart.js' layout would find what it found then, so the layout is kept: the
// horizontal axis alone takes its new labels, with the same arguments as in
// the layout's last step, and goes back to its place. Only a chart with one
// category axis across and one linear axis up is watched so.
function watchLayout(chart) {
    var across = null
    var up = null
    Object.keys(chart.scales).forEach(function(id) {
        var scale = chart.scales[id]
        if (scale.isHorizontal() && scale.type === "category" && !across)
            across = scale
        else if (!scale.isHorizontal() && scale.type === "linear" && !up)
            up = scale
        else
            across = up = false
    })
    if (!across || !up)
        return null
    var watched = { across: across, up: up, lastUpdate: null, kept: null }
    var update = Object.getPrototypeOf(across).update
    across.update = function(maxWidth, maxHeight, margins) {
        watched.lastUpdate = [maxWidth, maxHeight, margins]
        return update.call(across, maxWidth, maxHeight, margins)
    }
    return watched
}

function labelSizes(scale) {
    var sizes = scale._getLabelSizes()
    return [scale.getTicks().length, sizes.first.width, sizes.first.height, sizes.last.width,
            sizes.last.height, sizes.widest.width, sizes.highest.height, sizes.highest.offset].join()
}

// The vertical axis' range as the data and the options make it; its ticks
// then widen it to round numbers, which is the range it draws with.
function dataRange(up) {
    var shown = [up.min, up.max]
    up.determineDataLimits()
    var range = [up.min, up.max]
    up.min = shown[0]
    up.max = shown[1]
    return range.join()
}

function labelCount(chart) {
    return chart.data.labels ? chart.data.labels.length : -1
}

function keepLayout(chart, watched) {
    var across = watched.across
    watched.kept = {
        width: chart.width,
        height: chart.height,
        range: dataRange(watched.up),
        count: labelCount(chart),
        labels: labelSizes(across),
        place: [across.left, across.top, across.right, across.bottom, across.width, across.height]
    }
}

function layoutKept(chart, watched) {
    var kept = watched && watched.kept
    if (!kept || kept.width !== chart.width || kept.height !== chart.height)
        return false
    // With another number of labels it is laid out anew without trying the
    // axis first: while the charts fill, every sample adds one.
    if (labelCount(chart) !== kept.count || dataRange(watched.up) !== kept.range)
        return false
    var across = watched.across
    across.update.apply(across, watched.lastUpdate)
    if (labelSizes(across) !== kept.labels)
        return false
    across.left = kept.place[0]
    across.top = kept.place[1]
    across.right = kept.place[2]
    across.bottom = kept.place[3]
    across.width = kept.place[4]
    across.height = kept.place[5]
    across._configure()
    return true
}

// Lays the chart out again at the item's size (when the layout can have
// changed) and draws it from its data. Chart.update() would first merge every
// option with Chart.js' defaults and rebuild the plugins' copies of them,
// which costs more than the drawing; options never change under a chart here
// (new options make a new chart), so only the steps that follow from the data
// are taken, in update()'s order. These are Chart.js 2.9.3's own methods, the
// version setup installs.
function redraw(chart, duration) {
    chart.ctx._forgetFont()
    chart.resize(true)
    for (var i = 0; i < chart.data.datasets.length; ++i)
        chart.getDatasetMeta(i).controller.buildOrUpdateElements()
    if (chart._watchedLayout === undefined)
        chart._watchedLayout = watchLayout(chart)
    var watched = chart._watchedLayout
    if (!layoutKept(chart, watched)) {
        chart.updateLayout()
        chart._layers.sort(function(a, b) { return a.z === b.z ? a._idx - b._idx : a.z - b.z })
        if (watched)
            keepLayout(chart, watched)
    }
    chart.updateDatasets()
    chart.render({ duration: duration })
}

// Whether the item's size is the one the chart was last laid out at.
function sizeKept(chart) {
    return chart.width === chart.canvas.clientWidth && chart.height === chart.canvas.clientHeight
}

function release(item, chart) {
    var i = frameHosts.indexOf(item)
    if (i >= 0)
        frameHosts.splice(i, 1)
    if (chart)
        chart.destroy()
}
