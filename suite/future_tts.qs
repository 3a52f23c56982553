// SPDX-License-Identifier: GPL-3.0-or-later
// Future TTS (CF58, "Extra time"): the time to surface if the diver stays 5 more minutes,
// reported after the plan. It can only grow, and the runtime line adds up.

var plan = test.plan({ gradientFactor: true, GF_low: 30, GF_high: 85, dive_depth: 40, dive_time: 25,
                       extra_time: 5 });
test.compare(ostc.cf.get(58), 5, "extra time sets CF58");
var text = mainWindow.getMessages();
var future = /Future TTS @\+5' = (\d+)'/.exec(text);
var runtime = /Future RT @\+5' = (\d+)'/.exec(text);
test.verify(future != null && runtime != null, "future TTS and runtime lines written");
if (future && runtime) {
    test.compare(Number(future[1]), 60, "future TTS after 5 more minutes");
    test.verify(Number(future[1]) >= plan.tts(), "future TTS not below the TTS now (" + plan.tts() + ")");
    test.compare(Number(runtime[1]), 25 + 5 + Number(future[1]), "future runtime = bottom + 5 + future TTS");
}

var none = test.plan({ gradientFactor: true, GF_low: 30, GF_high: 85, dive_depth: 40, dive_time: 25,
                       extra_time: "None" });
test.compare(ostc.cf.get(58), 0, "extra time None clears CF58");
test.verify(mainWindow.getMessages().indexOf("Future TTS") < 0, "no future TTS without CF58");
