// A deliberately failing check: the command line must end with exit code 1.
test.compare(1 + 1, 2, "arithmetic");
test.compare(2 + 2, 5, "deliberately failing");
