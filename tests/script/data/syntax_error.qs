var complete = 1;
var broken = ;
