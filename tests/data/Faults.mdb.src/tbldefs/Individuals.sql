CREATE TABLE [Individuals] (
  [IndividualID] LONG,
  [FullName] VARCHAR (40)
)
