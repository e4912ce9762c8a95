#include "modComment.h"

#include <stdexcept>

namespace ringvale {

Int16 FiveWayDraw(Game& /*game*/) { throw std::logic_error("FiveWayDraw is not built yet"); }

void CommentIntro(Game& /*game*/) { throw std::logic_error("CommentIntro is not built yet"); }

void CommentAfterRound(Game& /*game*/) { throw std::logic_error("CommentAfterRound is not built yet"); }


}  // namespace ringvale
