#include "tools/templatewriter/template_writer.h"

#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Source/entities/entity.h"
#include "Source/entities/entity_mgr.h"

#include <cstdio>

Stringc TemplateWriter::PathOf(int type, const Stringc& name) {
    const Stringc directory = g_dataPaths ? g_dataPaths->GetEntityDir(type) : Stringc();
    return directory.Length() > 0 ? directory + "/" + name + ".dat" : Stringc();
}

bool TemplateWriter::Write(int type, const Stringc& name, const Fill& fill) {
    EntityMgr scratch;
    Entity* entity = scratch.CreateEntity(0.0f, 0.0f, 0.0f, type);
    if (entity == nullptr) {
        std::fprintf(stderr, "TemplateWriter: entity type %d has no templates\n", type);
        return false;
    }
    entity->SetTemplateName(name);
    fill(*entity);
    return WriteEntity(*entity);
}

bool TemplateWriter::WriteEntity(const Entity& entity) {
    const Stringc path = PathOf(entity.GetType(), entity.GetTemplateName());
    const bool written = path.Length() > 0 && MakeDirectories(path) &&
                         FileStream::WriteReplacing(
                             path.c_str(), [&](Stream& stream) { return entity.Save(stream); });
    if (!written)
        std::fprintf(stderr, "TemplateWriter: cannot write the template %s of type %d\n",
                     entity.GetTemplateName().c_str(), entity.GetType());
    return written;
}
