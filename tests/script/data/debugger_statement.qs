// Without a display a debugger statement ends the script with its report.
function f() {
    debugger;
}
f();
mainWindow.message("not reached");
