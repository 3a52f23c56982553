// A toString that calls itself through String: the engine loops inside one call.
var o = {};
o.toString = function () {
    return String(o);
};
String(o);
