// Folder descriptions (description.txt): no input crashes the reader, the block ends inside the
// file, and what the writer makes of a description read from a file reads back as the same
// text, so that saving a folder's description unchanged changes nothing.
#include "fuzz_support.h"

#include "document/folder_description.h"
#include "document/text_codec.h"

namespace {

QString writtenAndRead(const QString& text)
{
    return descriptionBlock(splitLines(decodeWindows1252(crlfText(folderDescriptionLines(text))))).text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = inputLines(data, size);
    const DescriptionBlock block = descriptionBlock(lines);
    if (block.nextLine < 0 || block.nextLine > lines.size())
        propertyBroken("the description block ends inside the file", QString::number(lines.size()),
                       QString::number(block.nextLine));
    if (block.nextLine == 0 && !block.text.isEmpty())
        propertyBroken("a file without a block has no description", QString(), block.text);
    const QString once = writtenAndRead(block.text);
    if (block.nextLine > 0 && !block.text.isEmpty() && once != block.text)
        propertyBroken("a description read from a file is written back unchanged", block.text, once);
    const QString twice = writtenAndRead(once);
    if (twice != once)
        propertyBroken("a written description is a fixed point", once, twice);
    return 0;
}
