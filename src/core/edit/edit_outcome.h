#pragma once

#include <QString>

#include <optional>

class IReporter;

// How a save or a delete ended. Database failures have already been shown by the store;
// the other refusals are for the caller to show (ReportOutcome).
enum class EditStatus
{
    Done,          // saved or deleted
    Cancelled,     // the user said no, or the kind has nothing to edit
    EmptyName,     // no point name or code number
    NameExists,    // adding a name the list already holds
    InvalidNumber, // `field` is not a number
    DatabaseError, // nothing of this save is kept
};

struct EditOutcome
{
    EditStatus status = EditStatus::Done;
    QString field; // for InvalidNumber: the field's name as the dialog labels it

    bool Succeeded() const { return status == EditStatus::Done; }
    static EditOutcome Invalid(const QString& field) { return {EditStatus::InvalidNumber, field}; }
};

// The message a refusal shows; empty when there is nothing (more) to say.
QString MessageOf(const EditOutcome& outcome);
void ReportOutcome(IReporter& reporter, const EditOutcome& outcome);

// A number as a surveyor types it ("12", "-0.5", "1.2e3", blanks around allowed); nothing for
// empty text, words, "nan"/"inf" and anything else that is no plain decimal number.
std::optional<double> ParseNumber(const QString& text);
// A whole number such as a sequence number; nothing otherwise.
std::optional<qint64> ParseWholeNumber(const QString& text);
