// A window whose inputs are part of the document the report saves (the pull check's set and
// conduit, the pulling equipment): the planner, which keeps the document's state, compares
// each part with the one last saved or opened, so that editing it marks the document changed.
#pragma once

#include <string>

namespace tensora {

class DocumentPart {
public:
    virtual ~DocumentPart() = default;
    // The part as the report would hold it: any change of what is saved changes this text.
    virtual std::string documentPart() const = 0;

protected:
    DocumentPart() = default;
    DocumentPart(const DocumentPart&) = default;
    DocumentPart& operator=(const DocumentPart&) = default;
};

} // namespace tensora
