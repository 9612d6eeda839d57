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

// Chart.js sets a font before every text it measures or draws, most often
// inside save()/restore() around each tick label, and each assignment to a
// Context2D's font parses the string anew, which is slow. So a font assignment
// is only noted, and reaches the context just before text needs it and only
// when the context's own font differs. When restore() takes the context back
// to another font twice in a row, the inner font is set at the outer level
// too, so a loop of labels in one font costs one assignment, not one each.
function rememberFont(ctx) {
    var proto = Object.getPrototypeOf(ctx)
    var font = Object.getOwnPropertyDescriptor(proto, "font")
    var save = proto.save
    var restore = proto.restore
    var wanted = null     // the font Chart.js asked for last
    var real = null       // the context's own font, null when unknown
    var stack = []        // [wanted, real] at each save()
    var lastInner = null

    function apply() {
        if (wanted !== null && wanted !== real) {
            font.set.call(ctx, wanted)
            real = wanted
        }
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
            if (inner !== null && inner !== real && inner === lastInner) {
                font.set.call(ctx, inner)
                real = inner
            }
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
        real = font.get.call(ctx)
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
// it once. Returns the Chart.js object; `afterDraw` is called after every draw.
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
            afterDraw: function() { afterDraw() }
        }]
    })
}

// Lays the chart out again at the item's size and draws it from its data.
// Chart.update() would first merge every option with Chart.js' defaults and
// rebuild the plugins' copies of them, which costs more than the drawing;
// options never change under a chart here (new options make a new chart), so
// only the steps that follow from the data are taken, in update()'s order.
// These are Chart.js 2.9.3's own methods, the version setup installs.
function redraw(chart, duration) {
    chart.ctx._forgetFont()
    chart.resize(true)
    for (var i = 0; i < chart.data.datasets.length; ++i)
        chart.getDatasetMeta(i).controller.buildOrUpdateElements()
    chart.updateLayout()
    chart.updateDatasets()
    chart._layers.sort(function(a, b) { return a.z === b.z ? a._idx - b._idx : a.z - b.z })
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
