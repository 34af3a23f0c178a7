--  Bounded_Queues body: a protected queue with priorities, used by the
--  worker tasks of the print spooler.
--
--  procedure Enqueue (Q, Job) blocks while the queue is full;
--  function Length (Q) return Natural never blocks.

with Ada.Text_IO;              use Ada.Text_IO;
with Ada.Calendar;             use Ada.Calendar;
with Ada.Unchecked_Deallocation;

package body Bounded_Queues is

   procedure Free is new Ada.Unchecked_Deallocation (Node, Node_Access);

   function Image (J : Job) return String;
   procedure Log (Message : String) is separate;

   function "<" (Left, Right : Job) return Boolean is
   begin
      if Left.Priority /= Right.Priority then
         return Left.Priority > Right.Priority;
      end if;
      return Left.Submitted < Right.Submitted;
   end "<";

   function Is_Urgent (J : Job) return Boolean is (J.Priority >= 8);

   function Image (J : Job) return String is
      Id : constant String := Natural'Image (J.Id);
   begin
      return "job" & Id & " (priority" & Priority_Level'Image (J.Priority) & ")";
   end Image;

   protected body Queue is

      entry Enqueue (Item : Job) when Count < Capacity is
         New_Node : constant Node_Access := new Node'(Value => Item, Next => null);
         Cursor   : Node_Access := Head;
      begin
         if Head = null or else Item < Head.Value then
            New_Node.Next := Head;
            Head := New_Node;
         else
            while Cursor.Next /= null and then not (Item < Cursor.Next.Value) loop
               Cursor := Cursor.Next;
            end loop;
            New_Node.Next := Cursor.Next;
            Cursor.Next := New_Node;
         end if;
         Count := Count + 1;
      end Enqueue;

      entry Dequeue (Item : out Job) when Count > 0 is
         Old : Node_Access := Head;
      begin
         Item := Head.Value;
         Head := Head.Next;
         Free (Old);
         Count := Count - 1;
      end Dequeue;

      function Length return Natural is
      begin
         return Count;
      end Length;

      procedure Clear is
         Next : Node_Access;
      begin
         while Head /= null loop
            Next := Head.Next;
            Free (Head);
            Head := Next;
         end loop;
         Count := 0;
      end Clear;

   end Queue;

   task body Worker is
      Current : Job;
      Started : Time;

      procedure Print (J : Job) is
      begin
         Log ("printing " & Image (J));
         delay Duration (J.Pages) * 0.1;
      end Print;

   begin
      loop
         select
            Spool.Dequeue (Current);
            Started := Clock;
            Print (Current);
            Put_Line (Image (Current) & " took"
                      & Duration'Image (Clock - Started) & " s");
         or
            terminate;
         end select;
      end loop;
   exception
      when E : others =>
         Log ("worker stopped");
   end Worker;

   overriding procedure Finalize (Q : in out Controlled_Queue) is
   begin
      Q.Inner.Clear;
   end Finalize;

   procedure Submit
     (Title    : String;
      Pages    : Positive;
      Priority : Priority_Level := 5)
   is
      J : constant Job :=
        (Id        => Next_Id,
         Pages     => Pages,
         Priority  => Priority,
         Submitted => Clock);
   begin
      Next_Id := Next_Id + 1;
      if Is_Urgent (J) then
         Log ("urgent: " & Title);
      end if;
      Spool.Enqueue (J);
   end Submit;

   function Pending return Natural is
     (Spool.Length);

   generic
      with procedure Visit (J : Job);
   procedure Drain;

   procedure Drain is
      J : Job;
   begin
      while Spool.Length > 0 loop
         Spool.Dequeue (J);
         Visit (J);
      end loop;
   end Drain;

   procedure Report (To : File_Type := Standard_Output) is
      procedure Show (J : Job) is
      begin
         Put_Line (To, "  " & Image (J));
      end Show;
      procedure Show_All is new Drain (Visit => Show);
   begin
      Put_Line (To, "pending:" & Natural'Image (Pending));
      case Pending is
         when 0 =>
            Put_Line (To, "  (none)");
         when others =>
            Show_All;
      end case;
   end Report;

   FUNCTION Capacity_Left RETURN Natural IS
   BEGIN
      RETURN Capacity - Spool.Length;
   END Capacity_Left;

   procedure Release_Node is new Ada.Unchecked_Deallocation
     (Node, Node_Access);

   procedure Reset_Statistics is null;
   --  Kept for callers of the first release; there is nothing to reset.

   function Clock_Ticks (Unit : Natural) return Long_Integer
     with Import, Convention => C, External_Name => "clock_ticks";

   procedure Check_Spool (Depth : Natural) with
     Ghost, Pre => Depth <= Capacity;

begin
   Put_Line ("spooler ready, capacity" & Natural'Image (Capacity));
end Bounded_Queues;
