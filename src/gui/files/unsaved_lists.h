#pragma once

class CSession;
class QWidget;

// Before a run ends and empties the hand-kept lists: for each list that holds rows typed or
// changed by hand since it last left the program, asks whether to export it first (the data
// export, which the import reads back), to exit anyway (the list is still copied to
// discarded/), or to stay; the questions and the save dialog stand over `parent`. False when
// the user chose to stay.
// `switching`: another project is about to take this one's place rather than the run ending;
// the question and its button say so.
bool ConfirmEmptyingLists(CSession& session, QWidget& parent, bool switching = false);
