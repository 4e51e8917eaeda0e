#pragma once
// What the rule editors' benchmarks measure themselves against: pugixml alone doing the
// file work of a step (parsing the files; building the documents and saving them).

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <QString>
#include <string>
#include <vector>

inline void Pugixml_Parse(benchmark::State& state, const std::vector<QString>& files) {
    std::vector<std::string> paths;
    for (const QString& file : files) paths.push_back(file.toStdString());
    for (auto _ : state)
        for (const std::string& path : paths) {
            pugi::xml_document document;
            benchmark::DoNotOptimize(document.load_file(path.c_str()));
        }
}

// Each document built node by node from a parsed model of it, then saved beside it.
inline void Pugixml_Build_And_Save(benchmark::State& state, const std::vector<QString>& files) {
    std::vector<pugi::xml_document> models(files.size());
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < files.size(); ++i) {
        models[i].load_file(files[i].toStdString().c_str(), pugi::parse_default | pugi::parse_comments);
        paths.push_back((files[i] + QStringLiteral(".pugixml")).toStdString());
    }
    for (auto _ : state)
        for (std::size_t i = 0; i < files.size(); ++i) {
            pugi::xml_document document;
            for (pugi::xml_node node : models[i].children()) document.append_copy(node);
            if (!document.save_file(paths[i].c_str(), "  ", pugi::format_indent | pugi::format_no_declaration))
                state.SkipWithError("the file was not written");
        }
}
