// The resource script of a generated compiler project: the design data as the custom resource
// "GUI_DATA" and every icon, cursor and bitmap the design takes from a file, each named as the
// runtime library looks it up.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "generator/text_sink.h"
#include "model/project.h"

namespace zim {

enum class ImageSource { archive, libraries };

// Copies one image file into the output directory. The script writer calls it immediately
// before the line that declares the file, so the file lies beside the script when the
// resource compiler reads it.
using CopyImage = std::function<void(const std::string& fileName, ImageSource from)>;

// One resource statement in its four blank-padded columns: name (24), type (8), "DISCARDABLE"
// (16) and the quoted file name (30). Nothing is ever cut: a name of 24 characters or more is
// followed by a single blank and a quoted file name longer than 30 characters is written
// whole, so the statement stays valid and keeps the names the runtime library looks up.
std::string resourceLine(std::string_view name, std::string_view type, std::string_view file);

// Writes the whole script, copying each declared image file just before its line.
void writeResourceScript(TextSink& sink, const Project& source, const CopyImage& copy);

} // namespace zim
