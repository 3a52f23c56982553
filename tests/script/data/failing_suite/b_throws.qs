function plan() { ostc.cf.set(16, 9); }
plan();
