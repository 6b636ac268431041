#pragma once
// The screens' subjects: a screen learns what to show from globals its opener sets just before it
// creates the form. -1 means "none" or "all" where the screen allows it. (AuctionPlayer, set by the
// calendar advance, lives in core/progression/calendar_advance.h; AuctionPriceMargin, drawn as the hub
// opens, in core/progression/auction.h.)
#include <array>

#include "core/progression/auction.h"
#include "core/progression/calendar_advance.h"

namespace tarvelon {

extern int MarketClub;                   // the club the transfer market shows
extern int DealPlayer;                   // the player of an incoming purchase offer (0 none)
extern int OfferingClub;                 // the club making that offer (-1 none)
extern int LoanRequestPlayer;            // the player a loan request asks for
extern int LoanRequestClub;              // the club asking for him
extern int RecordClub;                   // the club whose season-by-season record is shown
extern int FixtureListClub;              // the club whose fixture list is shown
extern std::array<int, 2> HeadToHeadClubs;  // the two clubs compared (-1: all)
extern int TrophyCabinetClub;            // the club whose trophies are shown
extern int SelectedRecord;               // a player or coach (career, ranking page), -1 none
extern int CareerViewMode;               // how a career was asked for: 1 a player's from his card, 2 the coach's
extern int TransferListMode;             // recent transfers: 1 players, 2 coaches, 3 one club's players
extern int TransferListClub;             // the club of the recent transfers' mode 3
extern int BracketCompetition;           // the continental bracket shown: competition kind 4 or 6
extern int MatchReportIndex;             // the entry of MatchReports the match report shows
extern int ReportMode;                   // the side shown in the match report: 1 home, 2 away
extern int RetiringPlayer;               // the player who retires (after it: the junior promoted)
extern int ShirtNumberPlayer;            // the player whose shirt number is chosen
extern int DeadPlayer;                   // the player whose death is announced (0 none)
extern bool ResignationConfirmed;        // the coach confirmed that he resigns
extern int InvitationOfferTier;          // its row of offers 1..4 (core's InvitationTier chooses it)
extern int ShownReferee;                 // the referee on the referee card, 1..42

// Sensible subjects on a running game, for the gallery, the walk test and a developer's launcher:
// the human club (else the first club of the first league), one of its players, a club that is
// not it, and the first archived match (-1 when none was played).
int SubjectClub();
int SubjectPlayer();
int SubjectOtherClub();
int SubjectMatchReport();
// A club that has met SubjectClub() in the past results (the first in table order), else
// SubjectOtherClub().
int SubjectRivalClub();
// The club and the coach of the latest title a club won (Placings), else SubjectClub() and its
// coach: the trophy views have something to show once a season has been played.
int SubjectChampionClub();
int SubjectChampionCoach();

}  // namespace tarvelon
