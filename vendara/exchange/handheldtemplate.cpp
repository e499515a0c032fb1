#include "handheldtemplate.h"

namespace vendara {

pdb::DatabaseBuilder HandheldTemplate::build()
{
    pdb::DatabaseBuilder builder("Products");
    struct Field
    {
        pdb::FieldType type;
        const char *name;
        std::uint16_t maxLength;
        std::uint16_t width;
    };
    // Slot k is shown at position k: slots 0 to 6 in this order.
    const Field fields[] = {
        {pdb::FieldType::CheckBox, "Quote", 1, 20},
        {pdb::FieldType::Text, "Cat Number", 40, 50},
        {pdb::FieldType::Text, "Description", 254, 100},
        {pdb::FieldType::Text, "Price", 20, 40},
        {pdb::FieldType::Note, "Includes", 1999, 58},
        {pdb::FieldType::Note, "Notes", 1999, 58},
        {pdb::FieldType::Text, "Discounts", 254, 80},
    };
    int slot = 0;
    for (const Field &field : fields) {
        pdb::FieldDefinition &definition = builder.setField(slot++, field.type, field.name);
        definition.maxLength = field.maxLength;
        definition.columnWidth = field.width;
        if (field.type == pdb::FieldType::Note)
            definition.longText = 1;
    }
    return builder;
}

} // namespace vendara
