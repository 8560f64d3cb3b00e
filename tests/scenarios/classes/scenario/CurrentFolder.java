package scenario;

// The class path, and whether the class and the resource planted in the
// folder the program was started from can be loaded.
public class CurrentFolder {
  public static void main(String[] args) {
    Report.property("java.class.path");
    Report.loadable("scenario.Planted");
    Report.resource("log4j2.xml");
  }
}
