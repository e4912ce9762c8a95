// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommentaryTexts.h"

namespace ringvale {

namespace {

template <std::size_t Given>
constexpr CommentaryChoice Choices(CommentaryText (&&texts)[Given]) {
  return Exactly<CommentaryChoices>(std::move(texts));
}

}  // namespace

const CommentaryChoice Introductions = Choices({
    {"Welcome to tonights Ringvale match between [A] and [B]. Both of these men badly want to "
     "win this one, because a win tonight is a big step up in the boxing world. There's plenty "
     "at stake, so settle in, folks."},
    {"Ladies and Gentlemen welcome to tonights Ringvale, where [A] and [B] finally meet in the "
     "much anticipated fight. We're told this broadcast reaches over 15 million people on pay "
     "television around the globe. That makes it one of the biggest fights ever staged!"},
    {"Canvasline Fight Network is pleased to introduce tonights boxers : [A] and [B]. Don't go "
     "putting the kettle on, folks, because this could be a short night. Both of these men hit "
     "hard enough to finish it in the very first round."},
    {"Going out to over 14 million people around the world, tonights Ringvale bout between [A] "
     "and [B] is shaping up to be one of the great fights of the year. Both men are in their "
     "prime and in the shape of their lives. This is a match you'll remember."},
    {"[A] and [B]. This is their moment and this is their glory. Both of them want that "
     "championship belt, and there's only one way to get it: win tonight. Good luck warriors."},
});

const std::array<CommentaryChoice, CommentedRounds> RoundCommentary = Exactly<CommentedRounds>({
    // Round 1
    Choices({
        {"Well both boxers come out of their corners very ferociously, swinging at anything "
         "that moves. Plenty of leather is flying, but nobody has landed a clean shot yet, just "
         "a few jabs to the body. They'll need to settle down if they want to go the distance."},
        {"The bell sounds and both fighters dramatically jump out of their corners, then spend "
         "the whole round circling each other like a pair of wary cats. A few token shots went "
         "out, but nothing that hurt and nothing the judges will bother writing down."},
        {"[A] is already trying to take control of this match, and he's had [B] pinned on the "
         "ropes so long the poor fella will be nursing rope burn tomorrow. If this keeps up, "
         "folks, we're in for a very lopsided night."},
        {"The fight begins and the anger is released. These two want to destroy each other and "
         "they're not hiding it. Let's be honest, this sport is loved for its bloodthirst, and "
         "the crowd can smell it. I'd expect to see blood before the night is out."},
        {"Both boxers took a cautious first round there, more dancing and taunting than actual "
         "fighting. Plenty of lip, not much leather. Let's hope both corners find a bit more "
         "emotion in the second."},
    }),
    // Round 2
    Choices({
        {"You get a clearer understanding of the way this fights going when you watch two grown "
         "men duck and weave for three minutes without throwing a punch. Not a single punch, "
         "folks! I hate to say it, but this is shaping up as a boring match."},
        {"It's only the second round but already [B] has been dropped by a perfectly executed "
         "uppercut. He never saw it coming and went down like a sack of spuds. He's up at the "
         "count, but his legs are telling a different story.",
         0, 1},
        {"Both fighters took it up to their rival in the second. Plenty of jabs found their "
         "mark, and [B]'s hooks did some real damage to the body. Still, I reckon [A] should lift "
         "from here and take this one out."},
        {"[B] quickly threw a barrage of his best punches and sent an unsuspecting [A] crashing "
         "to the canvas. Nobody saw that coming, least of all the man on the floor. If he keeps "
         "that up, this match is his for the taking."},
        {"It's just the second round but [A] has hit the floor from a perfectly executed left "
         "hook. That one came out of nowhere and landed right on the button. He's back on his "
         "feet, but his corner will be worried.",
         1, 0},
    }),
    // Round 3
    Choices({
        {"Three rounds in and [A] is dropping his hands and taunting his rival, just to show "
         "everyone who's the boss in there. Cheeky stuff. Mark my words, [B] will want his "
         "revenge before this one's over."},
        {"The third round ends having been well and truly dominated by [B]. He was unstoppable "
         "in there, dancing around the ring and jumping in with punches whenever he pleased. "
         "What a round!"},
        {"I don't think that either man is putting in 100% out there, folks. They're dancing "
         "about and feigning punches that never land. If I didn't know better, I'd say both of "
         "these boys are on the take."},
        {"The third round ends after having been completely dominated by [A]. He was brilliant, "
         "throwing the right punch at the right time, every single time. What a champion!"},
        {"I can't believe that this fight is allowed to go on to the next round. [B] delivered "
         "four low blows in that round and once even kicked his opponent! Where was the referee? "
         "That man should be banned for a year."},
    }),
    // Round 4
    Choices({
        {"A very eventful round there, both men landing key punches that really hurt. But the "
         "one everyone will remember is that thunderous right hook from [A]. The whole arena "
         "felt that one."},
        {"Both men backed off this round, still hurt from the previous. But [A] has opened up a "
         "nasty cut over [B]'s left eye. [B]'s trainers had better see to that before the bell, "
         "or the referee might step in."},
        {"Both men backed off this round, still hurt from the previous. But [A] was badly shaken "
         "by [B]'s big left swing late in the round. He simply can't afford to let another one "
         "of those through."},
        {"And yet another dirty fighting round!!. That's the fifth dirty fight I've called this "
         "year, and I've had a gutful of it. [A] threw more punches below the belt than above "
         "it. Ban him for life, I say!"},
        {"Urged on by the crowd [A] takes control and out-foxes [B] at every turn. You can see "
         "it in his eyes, he wants this win badly. Keep that up and it's only a matter of time."},
    }),
    // Round 5
    Choices({
        {"Fatigue is starting to set in for [A]. He was dropped early in that round and he "
         "still looks unsteady on his feet. This match might not go the distance, folks.",
         1, 0},
        {"I for one, ladies, gentlemen and fight fans, cannot believe these two are still "
         "standing. Neither man wants to go down, yet they keep landing punches that would drop "
         "a horse. Tough, tough men."},
        {"This is the sort of fight we were looking for, two tremendous boxers trading "
         "well-timed blows. Every punch is thrown with purpose and every one of them gets an "
         "answer. Magnificent stuff!"},
        {" A very entertaining round there, the referee got caught up between the two of them "
         "and copped two hard shots to the stomach. He's still doubled over in the corner. I "
         "wonder what the fight doctor will make of that!"},
        {"[A] must have something wrong now, his trainers are working overtime in the corner. "
         "He looks cut around both eyes and there's claret everywhere. Can he even see well "
         "enough to carry on?"},
    }),
    // Round 6
    Choices({
        {"Well viewers thats a round to remember. Never have I seen two men want so badly to "
         "hurt each other. Punches came from every angle imaginable, and both of them are still "
         "swinging!"},
        {"Both men can look back and say that they each won that round. [A] threw his right "
         "hooks and moved swiftly around the ring, while [B] kept him at bay with shots to the "
         "head that left [A] looking dizzy. Honours even, I'd say."},
        {"Well [A] did go down in that round, but it wasn't a punch that did it. The referee "
         "stood in the wrong place, and [A] had to sidestep him and tripped over his own feet. "
         "It still goes down as a knock-down, folks, and that will sting his pride.",
         1, 0},
        {" It's fights like these that put articles in papers around the world, and tomorrow's "
         "headlines will be written in blood. This has been one of the bloodiest battles of the "
         "year. The canvas looks like a butcher's floor!"},
        {" A pretty relaxed round 6, neither boxer used too much effort, both happy to wait for "
         "an opening instead of making one. Uninspiring stuff. The crowd is starting to get "
         "restless."},
    }),
    // Round 7
    Choices({
        {"After watching that round you'd have to say that one of the 'Gladiators' is on the "
         "take. [A] didn't throw a single punch worth the name. And the referee? He doesn't seem "
         "to care one bit."},
        {"Well [B] must be wishing he'd taken up commentating instead, because no one in his "
         "right mind would step into a ring with [A]. This man is the future of boxing, ladies "
         "and gentlemen!"},
        {"7 rounds in yet both men are still able to take the challenge up to their rival. "
         "They're tired, you can see it, but they're still throwing punches like it's the first "
         "round. Remarkable conditioning from both of them."},
        {" Years of training are starting to pay off now for [A]. He's rising above it late in "
         "the match, just when it matters most. If I were a betting man, my money would be on "
         "him."},
        {"[A] has completely and utterly won that round. He dropped [B] twice and then gave him "
         "a hiding for good measure. [B] just isn't at the same level, folks.",
         0, 2},
    }),
    // Round 8
    Choices({
        {"It seemed over in that round twice, with both men hitting the ground within seconds "
         "of each other. Both beat the count, but only just. At this rate the judges may have to "
         "decide this one.",
         1, 1},
        {"The boxers worst enemy, fatigue has now well and truly caught up with both men. "
         "They're moving slowly and throwing punches out of sheer habit. After seven good "
         "rounds, I reckon they've earned a breather."},
        {"I know its late in the match, but I'm still not sure who to back, folks. It's been as "
         "even a fight as you'll ever see. It all comes down to who can lift in the final round."},
        {"Well you'd have to say that [A] will win this one from here. The judges may see it "
         "differently, mind you, but they often do."},
        {"Well you'd assume [B] should walk away the victor tonight. Then again, the judges may "
         "differ, and stranger things have happened in this game."},
    }),
    // Round 9
    Choices({
        {"I couldn't put money either way on this one, the punches have been spread evenly all "
         "night. Neither man has found that breakthrough round. It's anyone's fight."},
        {"All nine rounds of this fight never ceased to entertain the capacity crowd, and the "
         "future of boxing looks safe. The future of [A], on the other hand, I'm not so sure "
         "about. He just hasn't put in enough effort tonight."},
        {"An entertaining fight drawing to a close now, and I'm not going to stick my neck out "
         "and call the winner. It's been that close all night. Over to the judges."},
        {" I didn't think that it was much of a fight to be honest, and neither did the fans, "
         "who've been pelting the ring with hotdogs and drinks. Nobody in this arena cares who "
         "wins any more. What a waste of a night."},
        {"For sure it will be a unanimous decision, [B] won that fight whatever way you look at "
         "it. Any judge who says otherwise should be kicked out of the sport!"},
    }),
});

}  // namespace ringvale
