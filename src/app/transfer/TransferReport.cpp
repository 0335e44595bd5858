#include "app/transfer/TransferReport.h"

const char* OutcomeName(TPhotoOutcome outcome)
{
    switch (outcome) {
    case TPhotoOutcome::Copied:
        return "copied";
    case TPhotoOutcome::Present:
        return "present";
    case TPhotoOutcome::Missing:
        return "missing";
    case TPhotoOutcome::Failed:
        return "failed";
    case TPhotoOutcome::NotDone:
        return "not-done";
    }
    return "?";
}
