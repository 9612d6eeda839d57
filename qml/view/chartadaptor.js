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
        forget = rememberFont(ctx)
        Object.defineProperty(ctx, "_forgetFont", { value: forget })
    }
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
            beforeDraw: function() { forget() },
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

function keepLayout(chart, watched) {
    var across = watched.across
    watched.kept = {
        width: chart.width,
        height: chart.height,
        range: dataRange(watched.up),
        labels: labelSizes(across),
        place: [across.left, across.top, across.right, across.bottom, across.width, across.height]
    }
}

function layoutKept(chart, watched) {
    var kept = watched && watched.kept
    if (!kept || kept.width !== chart.width || kept.height !== chart.height)
        return false
    if (dataRange(watched.up) !== kept.range)
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
