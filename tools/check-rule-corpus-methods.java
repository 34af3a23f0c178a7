// Lists the methods and constructors with a body that a Java file defines, as
// the JDK's own parser reads them, anonymous and local classes included: one
// "LINE<TAB>NAME" row per definition, LINE counted from 1, where the name is
// written. tools/check-rule-corpus.py adds them where ctags has no tag (it
// does not look into method bodies, so it misses the methods of classes
// declared there).
//
//   java tools/check-rule-corpus-methods.java FILE
import com.sun.source.tree.ClassTree;
import com.sun.source.tree.CompilationUnitTree;
import com.sun.source.tree.MethodTree;
import com.sun.source.util.JavacTask;
import com.sun.source.util.SourcePositions;
import com.sun.source.util.TreePathScanner;
import com.sun.source.util.Trees;
import java.io.File;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.util.ArrayDeque;
import java.util.Deque;
import java.util.List;
import java.util.regex.Matcher;
import java.util.regex.Pattern;
import javax.tools.JavaCompiler;
import javax.tools.StandardJavaFileManager;
import javax.tools.ToolProvider;

public class CheckRuleCorpusMethods {
    public static void main(String[] args) throws Exception {
        if (args.length != 1) {
            System.err.println("usage: java check-rule-corpus-methods.java FILE");
            System.exit(2);
        }
        JavaCompiler compiler = ToolProvider.getSystemJavaCompiler();
        StandardJavaFileManager files = compiler.getStandardFileManager(null, null, StandardCharsets.ISO_8859_1);
        File file = new File(args[0]);
        // The text is read the same way as the file manager reads it, so that
        // offsets agree.
        String text = new String(Files.readAllBytes(file.toPath()), StandardCharsets.ISO_8859_1);
        JavacTask task = (JavacTask) compiler.getTask(null, files, diagnostic -> {}, List.of("-proc:none"), null,
                                                      files.getJavaFileObjects(file));
        SourcePositions positions = Trees.instance(task).getSourcePositions();
        StringBuilder out = new StringBuilder();
        for (CompilationUnitTree unit : task.parse()) {
            new TreePathScanner<Void, Void>() {
                private final Deque<String> classes = new ArrayDeque<>();

                @Override
                public Void visitClass(ClassTree tree, Void unused) {
                    classes.push(tree.getSimpleName().toString());
                    super.visitClass(tree, unused);
                    classes.pop();
                    return null;
                }

                @Override
                public Void visitMethod(MethodTree tree, Void unused) {
                    if (tree.getBody() != null) {
                        String name = tree.getName().toString();
                        if (name.equals("<init>")) name = classes.isEmpty() ? "" : classes.peek();
                        int line = nameLine(unit, name, positions.getStartPosition(unit, tree));
                        if (!name.isEmpty() && line > 0) out.append(line).append('\t').append(name).append('\n');
                    }
                    return super.visitMethod(tree, unused);
                }

                // The tree starts at the modifiers, which may stand on lines
                // of their own (annotations); the name comes before "(".
                private int nameLine(CompilationUnitTree unit, String name, long start) {
                    Matcher m = Pattern.compile("(?<![\\w$])" + Pattern.quote(name) + "\\s*\\(").matcher(text);
                    if (start < 0 || !m.find((int) start)) return -1;
                    return (int) unit.getLineMap().getLineNumber(m.start());
                }
            }.scan(unit, null);
        }
        System.out.print(out);
    }
}
