package scenario;

public class Properties {
  public static void main(String[] args) {
    Report.property("java.class.path");
    Report.property("quoted");
    Report.property("expanded");
    Report.property("undefined");
  }
}
