// tessary-tool merge: one deed file made of several, as Tessary's append-load makes it.
#include "content/DeedDocument.h"
#include "platform/AtomicFile.h"
#include "tool/CommandLine.h"
#include "tool/Commands.h"
#include "tool/ToolInput.h"
#include "tool/ToolTexts.h"

namespace tessary::tool {

int runMerge(const std::vector<std::string>& args, ToolStreams& io) {
    const CommandLine line(args, {{"--output", "-o", true}});
    const std::vector<std::string>& files = line.positional();
    if (files.empty()) {
        throw UsageError(texts::kNeedFile);
    }
    const std::optional<std::string> output = line.value("--output");
    if (!output || output->empty()) {
        throw UsageError(texts::kNeedOutput);
    }

    // Every file is read before anything is written: a refused file leaves OUT as it was.
    DeedDocument doc;
    TextOut& out = io.out;
    readDeedFile(files.front(), doc);
    out.raw(files.front()).raw(": ").raw(texts::kMergeRead).raw(": ");
    out.number(static_cast<long long>(doc.deeds().size())).endLine();
    for (std::size_t i = 1; i < files.size(); ++i) {
        // Tessary's append-load of the file that is open appends nothing.
        if (DeedDocument::sameDocumentFile(files[i], files.front())) {
            out.raw(files[i]).raw(": ").raw(texts::kMergeSameFile).endLine();
            continue;
        }
        const std::size_t before = doc.deeds().size();
        const std::uint32_t firstNumber = doc.serialCounter() + 1;
        readDeedFile(files[i], doc, &files.front());
        const std::size_t appended = doc.deeds().size() - before;
        out.raw(files[i])
            .raw(": ")
            .raw(texts::kMergeAppended)
            .raw(": ")
            .number(static_cast<long long>(appended));
        if (appended > 0) {
            out.raw(" (").raw(texts::kMergeNumbered).raw(" ").number(firstNumber);
            out.raw("-").number(doc.serialCounter()).raw(")");
        }
        out.endLine();
    }

    std::string error;
    if (!replaceFileAtomically(*output, doc.writeDocument(), &error)) {
        throw RefusedInput(*output, std::string(texts::kWriteFailed) + ": " + error);
    }
    out.raw(*output).raw(": ").raw(texts::kMergeWrote).raw(": ");
    out.number(static_cast<long long>(doc.deeds().size())).endLine();
    return 0;
}

} // namespace tessary::tool
