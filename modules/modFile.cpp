#include "modFile.h"

#include <stdexcept>

namespace ringvale {

void NewBoxer(Game& /*game*/) { throw std::logic_error("NewBoxer is not built yet"); }

void LoadBoxer(Game& /*game*/, const std::filesystem::path& /*path*/) { throw std::logic_error("LoadBoxer is not built yet"); }

void SaveCareer(Game& /*game*/) { throw std::logic_error("SaveCareer is not built yet"); }

void WriteNewRoster(Game& /*game*/) { throw std::logic_error("WriteNewRoster is not built yet"); }

void OpenCareer(Game& /*game*/) { throw std::logic_error("OpenCareer is not built yet"); }

void LoadCareer(Game& /*game*/) { throw std::logic_error("LoadCareer is not built yet"); }

void RefreshStatus(Game& /*game*/) { throw std::logic_error("RefreshStatus is not built yet"); }


}  // namespace ringvale
