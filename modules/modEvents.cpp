#include "modEvents.h"

#include <algorithm>
#include <array>
#include <system_error>

#include "DefaultHallOfFame.h"
#include "Identity.h"
#include "RecordFile.h"
#include "modFights.h"
#include "modGraphics.h"
#include "modSetFights.h"

namespace ringvale {

namespace {

HallTable ParseHallOfFame(const std::string& text) {
  RecordReader reader(text);
  HallTable table;
  for (HallEntry& entry : table) {
    entry.Name = reader.String();
    entry.Defences = reader.Number();
    entry.Fortune = reader.Money();
    reader.EndLine();
  }
  if (!reader.AtEnd()) throw RecordError(reader.LineNumber(), "more than ten boxers");
  return table;
}

std::string HallText(const HallTable& table) {
  RecordWriter writer;
  for (const HallEntry& entry : table)
    writer.String(entry.Name).Number(entry.Defences).Money(entry.Fortune).EndLine();
  return writer.Text();
}

void ShowHallOfFame(Game& game, const HallTable& table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    const HallEntry& entry = table[i];
    HallRow& row = game.high.rows[i];
    row.Boxer = std::to_string(i + 1) + " - " + entry.Name;
    row.Defences = " TD: " + std::to_string(entry.Defences);
    row.Fortune = " $" + MoneyOnScreen(game, entry.Fortune);
    game.high.lstHigh[i] = row.Boxer + "\t" + row.Defences + "\t" + row.Fortune;
  }
}

}  // namespace

std::filesystem::path HallPath(const Game& game) {
  return game.folder / HallFileName;
}

std::filesystem::path DamagedHallPath(const Game& game) {
  return game.folder / (std::string(HallFileName) + ".damaged");
}

HallTable ReadHallOfFame(Game& game, bool* damaged) {
  const std::filesystem::path path = HallPath(game);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return DefaultHallOfFame;
  try {
    return ParseHallOfFame(ReadTextFile(path));
  } catch (const RecordError& malformed) {
    if (damaged != nullptr) *damaged = true;
    game.screen.Message("\"" + path.string() + "\" is not a hall of fame that can be read.\n" +
                            malformed.what() + ".\nThe standard hall of fame is used instead.",
                        AppTitle);
  } catch (const std::exception& unreadable) {
    if (damaged != nullptr) *damaged = true;
    game.screen.Message(
        std::string(unreadable.what()) + "\nThe standard hall of fame is used instead.", AppTitle);
  }
  return DefaultHallOfFame;
}

void OfferBribe(Game& game) {
  const int rank = game.career.Player().Rank;
  if (rank < 0 || rank >= static_cast<int>(BribeOffers.size())) return;
  game.bribe.BribeAmount = BribeOffers[rank];
  // The words count in thousands, so the figure does too; the sum paid stays in dollars.
  game.screen.Message("Wanna make some cash? There's $" +
                          MoneyOnScreen(game, game.bribe.BribeAmount / 1000) +
                          " thousand for you if you go down in your next fight.",
                      "Take a bribe?");
  game.bribe.BribeOffered = true;
  game.fight.cmdDiveVisible = true;
}

void Dive(Game& game) {
  TakeDive(game);
  if (game.bribe.BribeOffered) {
    game.random.Reseed();
    const Int16 bustRoll = RoundHalfEven(BustRollTop * game.random.Next());
    if (bustRoll == CaughtRoll) {
      Busted(game);
    } else {
      game.career.Money += game.bribe.BribeAmount;
      game.screen.Message("Well done mate, I'll be back for your next fight", "Ill gotten gains");
    }
  }
  game.bribe.BribeOffered = false;
  LogSettlement(game);
}

void Busted(Game& game) {
  game.screen.Message(
      "The boxing corruption allegations have found you guilty of losing fights for money. You "
      "have been fined $" +
          ThousandsSeparated(CorruptionFine) + ", don't do it again.",
      "BUSTED!!!");
  game.career.Money -= CorruptionFine;
}

void TitlePurse(Game& game) {
  RosterEntry& player = game.career.Player();
  const int rank = player.Rank;
  if (rank < 0 || rank >= static_cast<int>(Purses.size())) return;
  game.career.Money += Purses[rank];
  if (rank == 0) {
    ++game.career.TitleDefences;
    game.screen.Message(player.Name + " retains the World HeavyWeight Championship!!",
                        "The Greatest of All Time!");
  } else if (rank == 1 && game.career.Roster.at(game.bout.FighterB).Rank == 0) {
    // Beating the boxer ranked 2 pays the same purse, but the title stays where it is.
    game.screen.Message(player.Name + " has won the World HeavyWeight Championship!!",
                        "!!!CHAMPION!!!");
  }
}

void ForcedRetirement(Game& game) {
  LapseChallenge(game);
  game.screen.Message("Body injuries have taken their toll, you are forced to retire",
                      "Retire from Sport");
  const HallEntry retiring{game.career.Player().Name, game.career.TitleDefences, game.career.Money};
  bool damaged = false;
  HallTable table = ReadHallOfFame(game, &damaged);

  // A career loaded again after its end retires once more but is inducted only once.
  bool alreadyInducted = false;
  for (const HallEntry& entry : table) alreadyInducted = alreadyInducted || entry == retiring;

  if (retiring.Defences > 0 && !alreadyInducted && retiring.Fortune > table.back().Fortune) {
    // Ties keep the older entry above the new one.
    auto place = table.end() - 1;
    while (place != table.begin() && retiring.Fortune > (place - 1)->Fortune) --place;
    std::move_backward(place, table.end() - 1, table.end());
    *place = retiring;
    game.screen.Message("You have been inducted into the hall of fame, Congratulations!",
                        "Hall of Fame");
  }

  try {
    // The damaged file is set aside rather than overwritten: its entries may still be mended.
    if (damaged) {
      std::filesystem::copy_file(HallPath(game), DamagedHallPath(game),
                                 std::filesystem::copy_options::overwrite_existing);
    }
    WriteFileSafely(HallPath(game), HallText(table));
    ShowHallOfFame(game, table);  // an open hall-of-fame window shows the file as it now is
  } catch (const std::exception& failure) {
    game.screen.Message("The hall of fame could not be saved to " + HallPath(game).string() +
                            ".\n\n" + failure.what(),
                        AppTitle);
  }
}

void LoadHallOfFame(Game& game) {
  ShowHallOfFame(game, ReadHallOfFame(game));
}

}  // namespace ringvale
