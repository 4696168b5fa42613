// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader and Read aloud say, in words a child hears from a
// teacher: "7 times 8", never the letter x; units written out, never a bare
// "s"; no colon, bracket or equals sign, which a screen reader reads out by
// name. The screen keeps its "7 x 8"; these are only ever heard.
#include <QString>

// "What is 7 times 8?": a problem waiting for its answer.
QString spokenProblem(int operand1, int operand2);
// "7 times 8 is 56".
QString spokenFact(int operand1, int operand2);
// The judgement of an answer, said before the problem that follows it.
QString spokenRight();
QString spokenWrong(int operand1, int operand2);
// A missed problem in the review.
QString spokenReview(int operand1, int operand2, int given);
// A length of time: "45 seconds", "2 minutes", "1 minute 30 seconds".
QString spokenDuration(int seconds);
// What the count-down has left: "1 minute left".
QString spokenTimeLeft(int seconds);
// Seconds with up to two decimals, as the delay is set: "1.05 seconds", "1 second".
QString spokenSeconds(float seconds);
// The reward picture k (0 best) in words.
QString spokenReward(int k);
